#pragma once
// What the Movie/TV and Cast/Crew views share: a read-only rich-text view of one
// document that rebuilds its whole text through its RTF writer on every update (heading,
// search state, the mode-dependent content, web address, footer), never edits, and
// takes the copy, find, select-all and print commands. It knows nothing of the windows
// around it: it takes the settings and the printer through its constructor and tells
// its frame what it needs through signals.

#include "documents/RtfWriter.h"
#include "platform/CmdUI.h"
#include "platform/View.h"
#include "platform/qt/RichTextView.h"

#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <string>

class CAppSettings;
class CRecordStore;
class QPainter;
class QPrinter;
class QTextDocument;

namespace platform {
class CDocument;
}

class CRichDocumentView : public platform::CRichTextView, public platform::IView, public ICommandTarget {
    Q_OBJECT
public:
    // Print margins on all four sides; the printer gets them once, when it is made, so
    // that Print Setup can change them.
    static constexpr int kPrintMarginTwips = 720;
    static QMarginsF PrintMargins(); // in millimetres

    // What a view takes from the program around it.
    struct Context {
        // The output settings the text is built with (not owned; they outlive the view);
        // the defaults when null.
        const CAppSettings* settings = nullptr;
        // The printer that Print and Print Preview share; nothing is printed without it.
        std::function<QPrinter*()> printer;
        // The update rule of the commands a popup menu offers that the view does not
        // take itself (the application's options); without it they are disabled.
        std::function<bool(CCmdUI&)> updateCommand;
    };

    // What a right click captured for the popup's commands: the link under it and the
    // text selected then. A rebuild while the popup is open changes neither.
    struct ClickedLinkCopy {
        bool hasLink = false;
        RtfLink link;
        std::string selection; // Windows-1252; paragraph breaks become blanks
    };

    CRichDocumentView(platform::CDocument& document, const Context& context, QWidget* parent = nullptr);
    ~CRichDocumentView() override;

    platform::CDocument* GetDocument() const { return m_document; }
    CRtfWriter& Writer() { return m_writer; }
    const CRtfWriter& Writer() const { return m_writer; }
    // Index of the link under the last right-button click; -1 for none.
    int ClickedLink() const { return m_clickedLink; }
    const ClickedLinkCopy& Clicked() const { return m_clicked; }
    // The popup menu (142-151) the last right-button click showed; 0 before the first.
    int PopupMenuShown() const { return m_popupMenu; }

    // The index of the link under `viewportPoint`; -1 for none.
    int LinkAt(const QPoint& viewportPoint) const;
    // A right click at `viewportPoint`: selects the link there, shows the popup menu of
    // its kind and carries out the chosen command.
    void OnRButtonDown(const QPoint& viewportPoint);

    // Attaches the writer, builds the text the first time, sets the print margins.
    void OnInitialUpdate();
    // The window closes while the document stays open in another window.
    void DetachFromDocument();

    // platform::IView
    void OnUpdate(platform::IView* sender, std::intptr_t hint) override;
    void ActivateFrame() override;
    void OnCloseDocument() override;

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

    // Prints to `printer` what its print range says: all pages, pages from-to, or the
    // selection.
    void PrintTo(QPrinter& printer);
    // Paints `source`, measured in pixels of `sourceDpi`, page by page with `painter`,
    // whose origin is the top left corner of the printable area of `pageSize` (device
    // pixels); `newPage` starts each further page and returns false to stop. Nothing but
    // the page margins lies before the text. Pages `fromPage` to `toPage` (from 1; 0 up to
    // the last) are printed.
    static void PrintPages(const QTextDocument& source, double sourceDpi, QPainter& painter, const QSizeF& pageSize,
                           const std::function<bool()>& newPage, int fromPage = 1, int toPage = 0);
    // The text searched for by Find and Find Next.
    void SetFindText(const QString& text) { m_findText = text; }

signals:
    // The text has been built anew.
    void Rebuilt();
    // The state of a command may have changed (the selection did).
    void CommandStateChanged();
    // The document asks for this view's window to be shown and activated.
    void ActivateFrameRequested();
    // The document has closed: the view's window goes without asking.
    void DocumentClosed();
    // A popup menu's command that the view does not take: the frame routes it.
    void CommandRequested(int id);
    // A link command asks for a new document of `kind` (0 Movie/TV, 1 Cast/Crew) for the
    // title or name `key`, headed `heading`, and for Get Information on it.
    void LinkedDocumentRequested(int kind, const std::string& key, const std::string& heading);
    // A link command asks for the New-document dialog of `kind` pre-filled with `text`.
    void NewDocumentRequested(int kind, const std::string& text);

protected:
    // The whole rebuild: the kind's builder writes the text into the writer while the
    // store is locked, then the writer streams it into the control.
    void Rebuild();
    // Runs the kind's builder over the (locked) records with `measure`.
    virtual void BuildText(const platform::ITextMeasure& measure) = 0;
    virtual const CRecordStore& Records() const = 0;

    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    // The popup menu of a link kind (0-3; -1 for a click beside every link).
    virtual int PopupMenuFor(int linkKind) const = 0;
    // The heading of a document that a link command makes for the clicked link.
    virtual std::string LinkHeading() const = 0;

private:
    void OnEditFind();
    void OnEditFindNext();
    void OnFilePrint(bool withDialog);
    void OnFilePrintPreview();
    // The link commands; false for any other command.
    bool OnLinkCommand(int id);
    bool OnUpdateLinkCommand(CCmdUI& cmdUI);
    void OnGotoURL();

    platform::CDocument* m_document;
    const CAppSettings& m_settings;
    CRtfWriter m_writer;
    std::function<QPrinter*()> m_printer;
    std::function<bool(CCmdUI&)> m_updateCommand;
    int m_clickedLink = -1;
    ClickedLinkCopy m_clicked;
    int m_popupMenu = 0;
    QString m_findText;
};
