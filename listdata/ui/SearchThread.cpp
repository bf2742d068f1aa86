#include "listdata/ui/SearchThread.h"

#include "listdata/SearchEngine.h"
#include "listdata/SearchSink.h"
#include "listdata/ui/SearchDocumentAdapter.h"
#include "listdata/ui/SearchMessages.h"
#include "listdata/ui/SearchRun.h"
#include "listdata/ui/SearchingDlg.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <functional>

// Carries the engine's reports to the GUI thread.
class CSearchThread::Sink : public ISearchSink {
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
        Post(WM_SEARCH_DOC_CHANGED, reinterpret_cast<std::uintptr_t>(&adapter->Document()));
    }
    void SearchDone() override { Post(WM_SEARCH_DONE, 0); }
    void SearchStopped() override { Post(WM_SEARCH_STOP, 0); }

private:
    // A sent message: carried out on the GUI thread before the search goes on. From the
    // GUI thread itself (queueing) it runs at once.
    void Send(std::function<void(CSearchingDlg&)> call)
    {
        QPointer<CSearchingDlg> dialog = m_dialog;
        if (!dialog)
            return;
        if (QThread::currentThread() == dialog->thread()) {
            call(*dialog);
            return;
        }
        QMetaObject::invokeMethod(
            dialog.data(),
            [dialog, call] {
                if (dialog)
                    call(*dialog);
            },
            Qt::BlockingQueuedConnection);
    }
    void Post(int message, std::uintptr_t lParam)
    {
        QCoreApplication::postEvent(m_frame, new CSearchMessage(message, 0, lParam));
    }

    QObject* m_frame;
    QPointer<CSearchingDlg> m_dialog;
};

// Lives on the search thread and takes its messages.
class CSearchThread::Receiver : public QObject {
public:
    explicit Receiver(Sink& sink) : m_sink(sink) {}

    bool event(QEvent* event) override
    {
        const CSearchMessage* message = CSearchMessage::From(event);
        if (!message)
            return QObject::event(event);
        if (message->message == WM_SEARCH_START)
            OnStartSearch(reinterpret_cast<CSearchRun*>(message->lParam));
        else if (message->message == WM_SEARCH_STOP)
            OnStopSearch();
        return true;
    }

private:
    void OnStartSearch(CSearchRun* run)
    {
        if (!run)
            return;
        CSearchEngine engine(m_sink);
        engine.Run(run->request);
    }
    void OnStopSearch() { QThread::currentThread()->exit(g_bCancelSearch ? 1 : 2); }

    Sink& m_sink;
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
        wait();
    }
    delete m_receiver;
}

void CSearchThread::QueueDocuments(CSearchRun& run)
{
    CSearchEngine engine(*m_sink);
    engine.QueueDocuments(run.request);
}

void CSearchThread::PostStart(CSearchRun* run)
{
    QCoreApplication::postEvent(m_receiver, new CSearchMessage(WM_SEARCH_START, 0, reinterpret_cast<std::uintptr_t>(run)));
}

void CSearchThread::PostStop()
{
    QCoreApplication::postEvent(m_receiver, new CSearchMessage(WM_SEARCH_STOP, 0, 0));
}

void CSearchThread::run() { exec(); }
