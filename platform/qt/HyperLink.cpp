#include "platform/qt/HyperLink.h"

#include "platform/qt/MessageBox.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ShellOpen.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPalette>

namespace {

QColor ToColor(CHyperLink::COLORREF colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace

CHyperLink::CHyperLink(QWidget* parent) : CHyperLink(QString(), parent)
{
}

CHyperLink::CHyperLink(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    // A static text starts at its top left corner (the label's default centres it
    // vertically, which would move the link down when it is sized to its text).
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

CHyperLink::~CHyperLink() = default;

void CHyperLink::SetURL(const std::string& url)
{
    URL = url;
    if (m_attached) {
        PositionWindow();
        setToolTip(platform::ToQString(URL));
    }
}

void CHyperLink::SetColours(COLORREF link, COLORREF visited, COLORREF hover)
{
    LinkColour = link;
    VisitedColour = visited;
    HoverColour = hover;
    ApplyColour();
}

CHyperLink::COLORREF CHyperLink::GetHoverColour() const
{
    if (HoverColour != kSystemHighlight)
        return HoverColour;
    const QColor c = QApplication::palette().color(QPalette::Highlight);
    return RGB(c.red(), c.green(), c.blue());
}

void CHyperLink::SetVisited(bool visited)
{
    Visited = visited;
    ApplyColour();
}

void CHyperLink::SetLinkCursor(std::optional<QCursor> cursor)
{
    LinkCursor = cursor ? *cursor : QCursor(Qt::PointingHandCursor);
    setCursor(LinkCursor);
}

void CHyperLink::SetUnderline(bool underline)
{
    Underline = underline;
    if (m_attached) {
        ApplyFont();
        update();
    }
}

void CHyperLink::SetAutoSize(bool autoSize)
{
    AutoSize = autoSize;
    if (m_attached)
        PositionWindow();
}

CHyperLink::COLORREF CHyperLink::CurrentColour() const
{
    if (OverControl)
        return GetHoverColour();
    return Visited ? VisitedColour : LinkColour;
}

void CHyperLink::ApplyColour()
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToColor(CurrentColour()));
    setPalette(p);
    update();
}

void CHyperLink::ApplyFont()
{
    QFont own = font();
    own.setUnderline(Underline);
    setFont(own);
}

void CHyperLink::SetDefaultCursor()
{
    // Qt's pointing hand is the desktop's link cursor.
    if (LinkCursor.shape() == Qt::ArrowCursor)
        SetLinkCursor(std::nullopt);
}

void CHyperLink::PreSubclassWindow()
{
    if (m_attached)
        return;
    m_attached = true;
    if (URL.empty())
        URL = platform::FromQString(text());
    if (text().isEmpty())
        setText(platform::ToQString(URL));
    setTextFormat(Qt::PlainText);
    ApplyFont();
    PositionWindow();
    SetDefaultCursor();
    setToolTip(platform::ToQString(URL));
    ApplyColour();
}

void CHyperLink::PositionWindow()
{
    if (!m_attached || !AutoSize)
        return;
    QRect rect = geometry();
    const QFontMetrics metrics(font());
    const QSize extent = metrics.size(Qt::TextSingleLine, text());
    const Qt::Alignment align = alignment();
    if (align & Qt::AlignVCenter) {
        const int dy = (rect.height() - extent.height()) / 2;
        rect.adjust(0, dy, 0, -dy);
    } else {
        rect.setHeight(extent.height());
    }
    if (align & Qt::AlignHCenter) {
        const int dx = (rect.width() - extent.width()) / 2;
        rect.adjust(dx, 0, -dx, 0);
    } else if (align & Qt::AlignRight) {
        rect.setLeft(rect.right() - extent.width() + 1);
    } else {
        rect.setWidth(extent.width());
    }
    setGeometry(rect);
}

void CHyperLink::showEvent(QShowEvent* event)
{
    PreSubclassWindow();
    QLabel::showEvent(event);
}

void CHyperLink::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    OverControl = true;
    ApplyColour();
}

void CHyperLink::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    OverControl = false;
    ApplyColour();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        OnClicked();
}

void CHyperLink::OnClicked()
{
    emit clicked();
    const int result = GotoURL(URL, SW_SHOW);
    if (result <= 32) {
        platform::MessageBeep(0x30);
        ReportError(result);
    } else {
        SetVisited(true);
    }
}

int CHyperLink::GotoURL(const std::string& target, int)
{
    // The desktop's handler already falls back on the browser for web addresses, so
    // there is no second association to try.
    return platform::ShellOpen::Open(target);
}

std::string CHyperLink::ErrorText(int code)
{
    switch (code) {
    case 0:
        return "The operating system is out\nof memory or resources.";
    case 2:
        return "The specified file was not found.";
    case 3:
        return "The specified path was not found.";
    case 5:
        return "The operating system denied\naccess to the specified file.";
    case 8:
        return "There was not enough memory to complete the operation.";
    case 11:
        return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26:
        return "A sharing violation occurred. ";
    case 27:
        return "The filename association is\nincomplete or invalid.";
    case 28:
        return "The DDE transaction could not\nbe completed because the request timed out.";
    case 29:
        return "The DDE transaction failed.";
    case 30:
        return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
    case 31:
        return "There is no application associated\nwith the given filename extension.";
    case 32:
        return "The specified dynamic-link library was not found.";
    default:
        return "Unknown Error (" + std::to_string(code) + ") occurred.";
    }
}

void CHyperLink::ReportError(int code)
{
    platform::MessageBox::Show(this, "Unable to open hyperlink:\n\n" + ErrorText(code), std::string(),
                               platform::MessageBox::Ok | platform::MessageBox::IconWarning);
}
