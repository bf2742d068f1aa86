#pragma once
// A static text that works as a link to a web address or a mail link: link colours,
// underlining, a hand cursor, a tooltip with the target, and the shell's "open" on a
// click. Colours are the framework's COLORREF values (0x00BBGGRR).

#include <QCursor>
#include <QFont>
#include <QLabel>
#include <optional>
#include <string>

class CHyperLink : public QLabel {
    Q_OBJECT
public:
    using COLORREF = unsigned int;
    static constexpr COLORREF RGB(int red, int green, int blue)
    {
        return static_cast<COLORREF>(red) | static_cast<COLORREF>(green) << 8 | static_cast<COLORREF>(blue) << 16;
    }
    // The hover colour that stands for the system highlight colour.
    static constexpr COLORREF kSystemHighlight = 0xFFFFFFFFu;
    static constexpr int SW_SHOW = 5;

    explicit CHyperLink(QWidget* parent = nullptr);
    CHyperLink(const QString& text, QWidget* parent);
    ~CHyperLink() override;

    void SetURL(const std::string& url);
    std::string GetURL() const { return URL; }

    // `hover` kSystemHighlight (-1 of the framework) takes the system highlight colour.
    void SetColours(COLORREF link, COLORREF visited, COLORREF hover = kSystemHighlight);
    COLORREF GetLinkColour() const { return LinkColour; }
    COLORREF GetVisitedColour() const { return VisitedColour; }
    COLORREF GetHoverColour() const;

    void SetVisited(bool visited = true);
    bool GetVisited() const { return Visited; }

    // A cursor without a shape of its own (nullopt) takes the pointing hand.
    void SetLinkCursor(std::optional<QCursor> cursor);
    QCursor GetLinkCursor() const { return LinkCursor; }

    void SetUnderline(bool underline = true);
    bool GetUnderline() const { return Underline; }

    void SetAutoSize(bool autoSize = true);
    bool GetAutoSize() const { return AutoSize; }

    // The shell's "open" on `target`: its result code, above 32 on success.
    int GotoURL(const std::string& target, int showCommand);
    // "Unable to open hyperlink:" with the text for `code`, in a box with the
    // exclamation icon.
    void ReportError(int code);
    // The text for a shell result code.
    static std::string ErrorText(int code);

    // The colour the text is drawn in now: hover, visited or link.
    COLORREF CurrentColour() const;
    bool IsOverControl() const { return OverControl; }

    // What the framework does when the static is attached to its dialog: the URL from
    // the text or the text from the URL, the underlined font, the size, the cursor and
    // the tooltip. Runs by itself before the control is first shown.
    void PreSubclassWindow();
    // Resizes the control to its text (only with AutoSize), keeping its top left corner;
    // the alignment stands for the static's styles: Qt::AlignHCenter centred,
    // Qt::AlignRight right-aligned, Qt::AlignVCenter centred vertically (centre image).
    void PositionWindow();

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnClicked();
    void ApplyColour();
    void ApplyFont();
    void SetDefaultCursor();

    COLORREF LinkColour = RGB(0, 0, 238);
    COLORREF VisitedColour = RGB(85, 26, 139);
    COLORREF HoverColour = kSystemHighlight;
    bool OverControl = false;
    bool Visited = false;
    bool Underline = true;
    bool AutoSize = true;
    std::string URL;
    QCursor LinkCursor;
    bool m_attached = false;
};
