#pragma once
// The MDI child frame of both document kinds: holds one view; closing the last view of
// a document applies the document's closing rule.

#include <QMdiSubWindow>

class CRichDocumentView;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // Takes ownership of `view`.
    explicit CChildFrame(CRichDocumentView* view, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CRichDocumentView* View() const { return m_view; }
    // The document's title; while the document has several windows, each adds ":n", its
    // place among them ("leon.rvcc:2"). Empty once the view has left its document.
    QString FrameTitle() const;
    // Shows the frame; -1 is the first showing of a new frame, which opens maximized
    // when "Open Document Maximized" is set.
    void ActivateFrame(int nCmdShow);
    // The document is closing: the frame goes without asking.
    void DestroyForDocument();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The document's closing rule for this frame; false keeps it open.
    bool MayClose();

    CRichDocumentView* m_view;
    bool m_destroying = false;
};
