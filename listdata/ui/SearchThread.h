#pragma once
// The worker thread of one Get Information run: a QThread with its own event loop that
// runs the search engine when WM_SEARCH_START arrives and ends its loop on
// WM_SEARCH_STOP. The engine reports through a sink that carries the Searching
// dialog's changes out on the GUI thread before it goes on (the protocol's sent
// messages) and posts the frame's notifications (its posted messages).

#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

class CSearchingDlg;
class CSearchRun;
class QObject;

class CSearchThread : public QThread {
    Q_OBJECT
public:
    // `frame` receives the posted messages; `dialog` is the run's Searching dialog.
    CSearchThread(QObject* frame, CSearchingDlg* dialog);
    ~CSearchThread() override;

    // Marks the request's selected documents queued and tells the frame; called on the
    // GUI thread before the request is posted.
    void QueueDocuments(CSearchRun& run);
    // WM_SEARCH_START with the run (not owned; it outlives the thread's use of it).
    void PostStart(CSearchRun* run);
    // WM_SEARCH_STOP: the thread's loop ends, with exit code 1 after a cancel, else 2.
    void PostStop();
    // Returns once the thread has ended (after PostStop).
    void WaitFinished();
    // Cancels the run and returns once the thread has ended. Carries out the dialog
    // calls the run makes meanwhile itself, so it needs no event loop and may be called
    // from inside any event handler.
    void CancelAndWait();

protected:
    void run() override;

private:
    class Sink;
    class Receiver;

    QObject* m_frame;
    std::unique_ptr<Sink> m_sink;
    Receiver* m_receiver = nullptr; // lives on the thread while it runs
    std::mutex m_finishedMutex;
    std::condition_variable m_finishedCondition;
    bool m_finished = false;
    bool m_started = false; // GUI thread only
};
