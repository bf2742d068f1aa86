#pragma once
// Base of the read-only rich-text views: a QTextEdit that an RTF writer fills through
// IRichTextHost, and that answers which character lies under a point (the link hit test).
// Character positions in its document equal the writer's positions.

#include "platform/RichTextHost.h"

#include <QTextCharFormat>
#include <QTextEdit>

namespace platform {

class CRichTextView : public QTextEdit, public IRichTextHost {
    Q_OBJECT
public:
    explicit CRichTextView(QWidget* parent = nullptr);

    void SetReadOnly(bool readOnly) override;
    void DeleteContents() override;
    void SetDefaultCharFormat(const CharFormat& format) override;
    std::unique_ptr<ITextMeasure> CreateMeasure(const LogFont& font) const override;
    bool StreamInRtf(const StreamReadCallback& read) override;

    // Vertical dots per inch of the screen the view is on; twips convert with it.
    int ScreenPixelsPerInch() const;
    // Document position of the character whose box holds `viewportPoint`; -1 over white
    // space, behind a line's end or below the text.
    int CharacterAt(const QPoint& viewportPoint) const;
    // Selects [start, end) of the document.
    void SelectRange(int start, int end);

    const QTextCharFormat& DefaultCharFormat() const { return m_defaultFormat; }

protected:
    // Ctrl+Home and Ctrl+End (with Shift: extending the selection) go to the start and
    // end of the text, which a read-only QTextEdit without keyboard selection ignores.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextCharFormat m_defaultFormat;
};

} // namespace platform
