// The views' links: the right click that finds the link under the mouse and shows the
// popup menu of its kind, and the link commands of those menus.

#include "documents/ui/RichDocumentView.h"

#include "platform/qt/MessageBox.h"
#include "platform/qt/PopupMenu.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ShellOpen.h"
#include "resources/CommandIds.h"
#include "resources/MenuTables.h"

#include <QMouseEvent>
#include <QPointer>

using namespace resources;

int CRichDocumentView::LinkAt(const QPoint& viewportPoint) const
{
    const int position = CharacterAt(viewportPoint);
    return position < 0 ? -1 : m_writer.Links().FindAt(position);
}

void CRichDocumentView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        platform::CRichTextView::mousePressEvent(event);
        return;
    }
    event->accept();
    OnRButtonDown(event->position().toPoint());
}

void CRichDocumentView::OnRButtonDown(const QPoint& viewportPoint)
{
    m_clicked = ClickedLinkCopy();
    m_clickedLink = LinkAt(viewportPoint);
    if (m_clickedLink >= 0) {
        m_clicked.hasLink = true;
        m_clicked.link = m_writer.Links().GetAt(m_clickedLink);
        SelectRange(m_clicked.link.start, m_clicked.link.end);
    }
    // The commands work on what was clicked, even when the text is rebuilt (and the
    // selection lost) while the menu is open.
    QString selection = textCursor().selectedText();
    selection.replace(QChar::ParagraphSeparator, QLatin1Char(' '));
    selection.replace(QChar::LineSeparator, QLatin1Char(' '));
    m_clicked.selection = platform::FromQString(selection);

    m_popupMenu = PopupMenuFor(m_clicked.hasLink ? static_cast<int>(m_clicked.link.kind) : -1);
    std::vector<platform::PopupMenu::Item> items;
    for (const MenuEntry& entry : PopupMenuTable(m_popupMenu))
        items.push_back({entry.id > 0 ? entry.id : 0, entry.text ? entry.text : ""});
    const QPointer<CRichDocumentView> alive(this);
    const int id = platform::PopupMenu::Track(this, items, viewport()->mapToGlobal(viewportPoint),
                                              [this](CCmdUI& cmdUI) {
                                                  return OnUpdateCommand(cmdUI) ||
                                                         (m_updateCommand && m_updateCommand(cmdUI));
                                              });
    // The view may have gone with its window while the menu was open.
    if (!alive || id == 0)
        return;
    if (!OnCommand(id))
        emit CommandRequested(id);
}

bool CRichDocumentView::OnLinkCommand(int id)
{
    switch (id) {
    case ID_LINK_GETMOVIETVINFO:
        if (m_clicked.hasLink)
            emit LinkedDocumentRequested(0, m_clicked.link.target, LinkHeading());
        return true;
    case ID_LINK_GETCASTCREWINFO:
        if (m_clicked.hasLink)
            emit LinkedDocumentRequested(1, m_clicked.link.target, LinkHeading());
        return true;
    case ID_LINK_GETINFOFORNAME:
        if (m_clicked.hasLink)
            emit LinkedDocumentRequested(1, m_clicked.link.target, m_clicked.selection);
        return true;
    case ID_LINK_SENDTONEWCASTCREW:
        if (m_clicked.hasLink)
            emit NewDocumentRequested(1, m_clicked.link.target);
        return true;
    case ID_LINK_GOTOURL:
        if (m_clicked.hasLink)
            OnGotoURL();
        return true;
    case ID_LINK_NEWMOVIETV:
        emit NewDocumentRequested(0, m_clicked.selection);
        return true;
    case ID_LINK_NEWCASTCREW:
        emit NewDocumentRequested(1, m_clicked.selection);
        return true;
    default:
        return false;
    }
}

bool CRichDocumentView::OnUpdateLinkCommand(CCmdUI& cmdUI)
{
    switch (cmdUI.m_nID) {
    case ID_LINK_GETINFOFORNAME:
        if (m_clicked.hasLink)
            cmdUI.SetText("Get Information for '" + platform::MenuLiteral(m_clicked.link.target) + "'");
        cmdUI.Enable(m_clicked.hasLink);
        return true;
    case ID_LINK_GETMOVIETVINFO:
    case ID_LINK_GETCASTCREWINFO:
    case ID_LINK_SENDTONEWCASTCREW:
    case ID_LINK_GOTOURL:
        cmdUI.Enable(m_clicked.hasLink);
        return true;
    case ID_LINK_NEWMOVIETV:
    case ID_LINK_NEWCASTCREW:
        cmdUI.Enable(true);
        return true;
    default:
        return false;
    }
}

void CRichDocumentView::OnGotoURL()
{
    if (platform::ShellOpen::OpenWebAddress(m_clicked.link.target) <= 32)
        platform::MessageBox::Show(this, "Couldn't open a Internet Browser!", "Error!", platform::MessageBox::IconError);
}
