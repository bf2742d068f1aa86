#include "platform/qt/QtPrompt.h"

#include "platform/CodePage.h"
#include "platform/DocTemplate.h"
#include "platform/qt/FileDialog.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/QtText.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

int QtPrompt::MessageBox(const std::string& text, const std::string& caption, unsigned type)
{
    return platform::MessageBox::ShowText(m_parent, PathToQString(text), PathToQString(caption),
                                          static_cast<int>(type));
}

bool QtPrompt::PromptForFileName(std::string& fileName, bool save, const CDocTemplate* docTemplate)
{
    QString filter = QStringLiteral("All Files (*.*)|*.*||");
    QString extension;
    if (docTemplate) {
        extension = QString::fromStdString(Cp1252ToUtf8(docTemplate->GetExtension()));
        filter = ToQString(docTemplate->GetFilterName()) + QLatin1Char('|') + QLatin1Char('*') + extension +
                 QStringLiteral("|All Files (*.*)|*.*||");
    }
    QString proposal = QString::fromStdString(fileName);
    if (!proposal.isEmpty() && QFileInfo(proposal).isRelative())
        proposal = QDir::current().filePath(proposal);
    const QString chosen = save ? FileDialog::GetSaveFileName(m_parent, QStringLiteral("Save As"), proposal, filter)
                                : FileDialog::GetOpenFileName(m_parent, QStringLiteral("Open"), proposal, filter);
    if (chosen.isEmpty())
        return false;
    fileName = chosen.toStdString();
    return true;
}

} // namespace platform
