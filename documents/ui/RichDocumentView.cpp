#include "documents/ui/RichDocumentView.h"

#include "listdata/AppSettings.h"
#include "listdata/RecordStore.h"
#include "platform/Document.h"
#include "platform/qt/MessageBox.h"
#include "resources/CommandIds.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <algorithm>
#include <memory>

using namespace resources;

namespace {

const CAppSettings& SettingsOr(const CAppSettings* settings)
{
    static const CAppSettings defaults;
    return settings ? *settings : defaults;
}

} // namespace

CRichDocumentView::CRichDocumentView(platform::CDocument& document, const Context& context, QWidget* parent)
    : platform::CRichTextView(parent), m_document(&document), m_settings(SettingsOr(context.settings)),
      m_writer(&m_settings), m_printer(context.printer), m_updateCommand(context.updateCommand)
{
    setObjectName(QStringLiteral("View"));
    // Copy follows the selection.
    connect(this, &QTextEdit::copyAvailable, this, &CRichDocumentView::CommandStateChanged);
}

CRichDocumentView::~CRichDocumentView()
{
    if (m_document)
        m_document->RemoveView(this);
}

void CRichDocumentView::OnInitialUpdate()
{
    m_writer.Attach(this);
    OnUpdate(nullptr, 0);
}

void CRichDocumentView::DetachFromDocument()
{
    if (m_document)
        m_document->RemoveView(this);
    m_document = nullptr;
}

void CRichDocumentView::OnUpdate(platform::IView*, std::intptr_t)
{
    if (m_document)
        Rebuild();
}

void CRichDocumentView::ActivateFrame()
{
    emit ActivateFrameRequested();
}

void CRichDocumentView::OnCloseDocument()
{
    m_document = nullptr;
    emit DocumentClosed();
}

void CRichDocumentView::Rebuild()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setUpdatesEnabled(false);
    {
        // The search thread may be adding records meanwhile; the store stays still while
        // the text is built. The modified flag is not touched: the rebuild changes
        // nothing, and restoring an old value could hide the search's own change.
        auto lock = Records().Lock();
        // One measuring context in the output font serves the whole rebuild.
        const std::unique_ptr<platform::ITextMeasure> measure = CreateMeasure(m_settings.Font);
        BuildText(*measure);
    }
    m_writer.StreamIn();
    setUpdatesEnabled(true);
    viewport()->update();
    QApplication::restoreOverrideCursor();
    emit Rebuilt();
}

// --- Commands -----------------------------------------------------------------------

bool CRichDocumentView::OnCommand(int id)
{
    if (OnLinkCommand(id))
        return true;
    switch (id) {
    case ID_EDIT_COPY:
        copy();
        return true;
    case ID_EDIT_SELECT_ALL:
        selectAll();
        return true;
    case ID_EDIT_FIND:
        OnEditFind();
        return true;
    case ID_EDIT_REPEAT:
        OnEditFindNext();
        return true;
    case ID_FILE_PRINT:
        OnFilePrint(true);
        return true;
    case ID_FILE_PRINT_DIRECT:
        OnFilePrint(false);
        return true;
    case ID_FILE_PRINT_PREVIEW:
        OnFilePrintPreview();
        return true;
    default:
        return false;
    }
}

bool CRichDocumentView::OnUpdateCommand(CCmdUI& cmdUI)
{
    if (OnUpdateLinkCommand(cmdUI))
        return true;
    switch (cmdUI.m_nID) {
    case ID_EDIT_CUT:
    case ID_EDIT_PASTE:
    case ID_EDIT_UNDO:
        cmdUI.Enable(false);
        return true;
    case ID_EDIT_COPY:
        cmdUI.Enable(textCursor().hasSelection());
        return true;
    case ID_EDIT_SELECT_ALL:
    case ID_EDIT_FIND:
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_DIRECT:
    case ID_FILE_PRINT_PREVIEW:
        cmdUI.Enable(true);
        return true;
    case ID_EDIT_REPEAT:
        cmdUI.Enable(!m_findText.isEmpty());
        return true;
    default:
        return false;
    }
}

void CRichDocumentView::OnEditFind()
{
    bool ok = false;
    const QString text = QInputDialog::getText(this, QStringLiteral("Find"), QStringLiteral("Find what:"),
                                               QLineEdit::Normal, m_findText, &ok);
    if (!ok || text.isEmpty())
        return;
    m_findText = text;
    OnEditFindNext();
}

void CRichDocumentView::OnEditFindNext()
{
    if (m_findText.isEmpty())
        return;
    if (!find(m_findText)) {
        // From the top once more before giving up.
        QTextCursor cursor = textCursor();
        cursor.movePosition(QTextCursor::Start);
        setTextCursor(cursor);
        if (!find(m_findText))
            QApplication::beep();
    }
}

QMarginsF CRichDocumentView::PrintMargins()
{
    const double margin = kPrintMarginTwips / 1440.0 * 25.4;
    return QMarginsF(margin, margin, margin, margin);
}

void CRichDocumentView::PrintTo(QPrinter& printer)
{
    // What the print dialog chose: all pages, a range of pages, or the selection.
    std::unique_ptr<QTextDocument> selection;
    const QTextDocument* source = document();
    if (printer.printRange() == QPrinter::Selection && textCursor().hasSelection()) {
        selection.reset(document()->clone());
        const QTextCursor chosen = textCursor();
        QTextCursor cut(selection.get());
        cut.setPosition(chosen.selectionEnd());
        cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
        cut.setPosition(0);
        cut.setPosition(chosen.selectionStart(), QTextCursor::KeepAnchor);
        cut.removeSelectedText();
        source = selection.get();
    }
    int fromPage = 1, toPage = 0;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        fromPage = printer.fromPage();
        toPage = printer.toPage();
    }
    // QTextDocument::print would add margins of its own inside the printer's, and page
    // numbers.
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    PrintPages(
        *source, ScreenPixelsPerInch(), painter, page, [&printer] { return printer.newPage(); }, fromPage, toPage);
    painter.end();
}

void CRichDocumentView::PrintPages(const QTextDocument& source, double sourceDpi, QPainter& painter,
                                   const QSizeF& pageSize, const std::function<bool()>& newPage, int fromPage,
                                   int toPage)
{
    // Laid out at the view's resolution, in which its indents and tabs are measured, and
    // scaled to the device's.
    std::unique_ptr<QTextDocument> document(source.clone());
    const double scale = sourceDpi > 0 ? painter.device()->logicalDpiY() / sourceDpi : 1.0;
    const QSizeF page(pageSize.width() / scale, pageSize.height() / scale);
    document->setPageSize(page);
    const int pages = toPage > 0 ? std::min(toPage, document->pageCount()) : document->pageCount();
    for (int index = std::max(fromPage, 1) - 1; index < pages; ++index) {
        if (index > std::max(fromPage, 1) - 1 && !newPage())
            break;
        const QRectF area(0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -area.top());
        painter.setClipRect(area);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = area;
        document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
}

void CRichDocumentView::OnFilePrint(bool withDialog)
{
    QPrinter* printer = m_printer ? m_printer() : nullptr;
    if (!printer)
        return;
    // Each print starts with all pages chosen; the selection can be chosen when there
    // is one.
    printer->setPrintRange(QPrinter::AllPages);
    if (withDialog) {
        QPrintDialog dialog(printer, this);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, textCursor().hasSelection());
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    PrintTo(*printer);
}

void CRichDocumentView::OnFilePrintPreview()
{
    QPrinter* printer = m_printer ? m_printer() : nullptr;
    if (!printer)
        return;
    printer->setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog preview(printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { PrintTo(*printer); });
    preview.exec();
}

void CRichDocumentView::contextMenuEvent(QContextMenuEvent* event)
{
    // The link popups come with their own commands; the editor's own menu would offer
    // editing.
    event->accept();
}
