#include "listdata/ui/SearchThread.h"

#include "documents/SearchDocumentAdapter.h"
#include "listdata/SearchEngine.h"
#include "listdata/SearchSink.h"
#include "listdata/ui/SearchMessages.h"
#include "listdata/ui/SearchRun.h"
#include "listdata/ui/SearchingDlg.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

// Carries the engine's reports to the GUI thread. Everything that crosses goes through
// one mailbox under a standard mutex; Qt's event queue only wakes the GUI side, which
// then takes one item out. Each item has exactly one wake-up, so no wake-up outlives the
// run it belongs to.
class CSearchThread::Sink : public QObject, public ISearchSink {
public:
    Sink(QObject* frame, CSearchingDlg* dialog) : m_frame(frame), m_dialog(dialog) {}

    void SetCaption(const std::string& text) override
    {
        Send([text](CSearchingDlg& dialog) { dialog.SetCaption(text); });
    }
    void SetUpperStatus(const std::string& text) override
    {
        Send([text](CSearchingDlg& dialog) { dialog.SetUpperStatus(text); });
    }
    void SetLowerStatus(const std::string& text) override
    {
        Send([text](CSearchingDlg& dialog) { dialog.SetLowerStatus(text); });
    }
    void ClearStatusList() override
    {
        Send([](CSearchingDlg& dialog) { dialog.ClearStatusList(); });
    }
    void InsertStatusLine(int position, const std::string& text) override
    {
        Send([position, text](CSearchingDlg& dialog) { dialog.InsertStatusLine(position, text); });
    }
    void SetProgressRange(int upper) override
    {
        Send([upper](CSearchingDlg& dialog) { dialog.SetProgressRange(upper); });
    }
    void StepProgress() override
    {
        Send([](CSearchingDlg& dialog) { dialog.StepProgress(); });
    }
    void Beep() override
    {
        Send([](CSearchingDlg&) { QApplication::beep(); });
    }

    void DocumentChanged(ISearchDocument* document) override
    {
        auto* adapter = dynamic_cast<CSearchDocumentAdapter*>(document);
        if (!adapter)
            return;
        Post(WM_SEARCH_DOC_CHANGED, reinterpret_cast<std::uintptr_t>(adapter->GetDocument()));
    }
    void SearchDone() override { Post(WM_SEARCH_DONE, 0); }
    void SearchStopped() override { Post(WM_SEARCH_STOP, 0); }

    // GUI thread: carries out what the thread hands over until its run has ended,
    // without the event loop (which may be busy in the caller).
    void CarryOutUntilRunEnded()
    {
        for (;;) {
            Item item;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_changed.wait(lock, [this] { return !m_items.empty() || m_runEnded; });
                if (m_items.empty())
                    return;
                item = std::move(m_items.front());
                m_items.pop_front();
            }
            CarryOut(item);
        }
    }
    // Search thread: the run has returned; nothing more comes but frame messages
    // already handed over.
    void RunEnded()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_runEnded = true;
        m_changed.notify_all();
    }

protected:
    // GUI thread: one wake-up, one item (none when it was carried out directly).
    bool event(QEvent* event) override
    {
        if (event->type() != WakeType())
            return QObject::event(event);
        Item item;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_items.empty())
                return true;
            item = std::move(m_items.front());
            m_items.pop_front();
        }
        CarryOut(item);
        return true;
    }

private:
    struct Item {
        std::function<void(CSearchingDlg&)> call; // a sent call, or empty for a frame message
        bool* done = nullptr;
        int message = 0;
        std::uintptr_t lParam = 0;
    };

    static QEvent::Type WakeType() { return static_cast<QEvent::Type>(QEvent::User + 0x7F00); }

    void CarryOut(Item& item)
    {
        if (item.call) {
            // The dialog may have gone meanwhile (only after a run, but be sure).
            if (m_dialog)
                item.call(*m_dialog);
            std::lock_guard<std::mutex> lock(m_mutex);
            *item.done = true;
            m_changed.notify_all();
        } else {
            QCoreApplication::postEvent(m_frame, new CSearchMessage(item.message, 0, item.lParam));
        }
    }
    void Push(Item item)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_items.push_back(std::move(item));
            m_changed.notify_all();
        }
        QCoreApplication::postEvent(this, new QEvent(WakeType()));
    }

    // A sent message: carried out on the GUI thread before the search goes on. From the
    // GUI thread itself (queueing) it runs at once.
    void Send(std::function<void(CSearchingDlg&)> call)
    {
        if (QThread::currentThread() == thread()) {
            if (m_dialog)
                call(*m_dialog);
            return;
        }
        bool done = false;
        Push(Item{std::move(call), &done, 0, 0});
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&done] { return done; });
    }
    // A posted message to the frame.
    void Post(int message, std::uintptr_t lParam) { Push(Item{{}, nullptr, message, lParam}); }

    QObject* m_frame;
    QPointer<CSearchingDlg> m_dialog; // GUI thread only
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Item> m_items;
    bool m_runEnded = false;
};

// Lives on the search thread and takes its messages: like the sink, the message itself
// crosses in a mailbox under a standard mutex, and the event only wakes the thread.
class CSearchThread::Receiver : public QObject {
public:
    explicit Receiver(Sink& sink) : m_sink(sink) {}

    void Put(int message, CSearchRun* run)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_messages.emplace_back(message, run);
        }
        QCoreApplication::postEvent(this, new QEvent(WakeType()));
    }

    bool event(QEvent* event) override
    {
        if (event->type() != WakeType())
            return QObject::event(event);
        std::pair<int, CSearchRun*> message{0, nullptr};
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_messages.empty())
                return true;
            message = m_messages.front();
            m_messages.pop_front();
        }
        if (message.first == WM_SEARCH_START)
            OnStartSearch(message.second);
        else if (message.first == WM_SEARCH_STOP)
            OnStopSearch();
        return true;
    }

private:
    static QEvent::Type WakeType() { return static_cast<QEvent::Type>(QEvent::User + 0x7F01); }

    void OnStartSearch(CSearchRun* run)
    {
        if (run) {
            CSearchEngine engine(m_sink);
            engine.Run(run->request);
        }
        m_sink.RunEnded();
    }
    void OnStopSearch() { QThread::currentThread()->exit(g_bCancelSearch ? 1 : 2); }

    Sink& m_sink;
    std::mutex m_mutex;
    std::deque<std::pair<int, CSearchRun*>> m_messages;
};

CSearchThread::CSearchThread(QObject* frame, CSearchingDlg* dialog)
    : m_frame(frame), m_sink(std::make_unique<Sink>(frame, dialog))
{
    m_receiver = new Receiver(*m_sink);
    m_receiver->moveToThread(this);
}

CSearchThread::~CSearchThread()
{
    if (isRunning()) {
        PostStop();
        WaitFinished();
    }
    delete m_receiver;
}

void CSearchThread::QueueDocuments(CSearchRun& run)
{
    CSearchEngine engine(*m_sink);
    engine.QueueDocuments(run.request);
}

void CSearchThread::CancelAndWait()
{
    if (!isRunning())
        return;
    g_bCancelSearch = true;
    if (m_started)
        m_sink->CarryOutUntilRunEnded();
    PostStop();
    WaitFinished();
}

void CSearchThread::PostStart(CSearchRun* run)
{
    m_started = true;
    m_receiver->Put(WM_SEARCH_START, run);
}

void CSearchThread::PostStop()
{
    m_receiver->Put(WM_SEARCH_STOP, nullptr);
}

void CSearchThread::run()
{
    exec();
    std::lock_guard<std::mutex> lock(m_finishedMutex);
    m_finished = true;
    m_finishedCondition.notify_all();
}

void CSearchThread::WaitFinished()
{
    wait();
    // QThread's own wait is invisible to race checkers; this one says the same in
    // standard terms: everything the thread did happened before this returns.
    std::unique_lock<std::mutex> lock(m_finishedMutex);
    m_finishedCondition.wait(lock, [this] { return m_finished; });
}
