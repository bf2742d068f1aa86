#pragma once
// The messages of the search protocol, with their fixed numbers, carried between the
// threads as events (the event type is QEvent::User plus the message number).

#include <QEvent>
#include <cstdint>

constexpr int WM_APP = 0x8000;
constexpr int WM_SEARCH_START = WM_APP + 1;     // frame -> thread: lParam the request
constexpr int WM_SEARCH_STOP = WM_APP + 2;      // thread -> frame: run cancelled; frame -> thread: end
constexpr int WM_SEARCH_DONE = WM_APP + 3;      // thread -> frame: every document searched
constexpr int WM_SEARCH_DOC_CHANGED = 4;        // thread -> frame: lParam the document
constexpr int WM_SEARCHDLG_CLOSED = WM_APP + 5; // Searching dialog -> frame: lParam the dialog's serial

class CSearchMessage : public QEvent {
public:
    CSearchMessage(int msg, std::uintptr_t w = 0, std::uintptr_t l = 0)
        : QEvent(EventType(msg)), message(msg), wParam(w), lParam(l)
    {
    }

    static QEvent::Type EventType(int msg) { return static_cast<QEvent::Type>(QEvent::User + msg); }
    // The message an event carries, or null when it is not one of ours.
    static const CSearchMessage* From(const QEvent* event)
    {
        const int type = event->type();
        for (int msg : {WM_SEARCH_START, WM_SEARCH_STOP, WM_SEARCH_DONE, WM_SEARCH_DOC_CHANGED, WM_SEARCHDLG_CLOSED})
            if (type == QEvent::User + msg)
                return static_cast<const CSearchMessage*>(event);
        return nullptr;
    }

    int message;
    std::uintptr_t wParam;
    std::uintptr_t lParam;
};
