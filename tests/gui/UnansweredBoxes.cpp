// Every window test program runs its message boxes in test mode: a box that no test
// queued an answer for fails the running test at once, named by its caption and text,
// where a real box would wait on the offscreen screen until the test's time ran out.

#include "platform/qt/MessageBox.h"

#include <QCoreApplication>
#include <QTest>

namespace {

void FailOnUnansweredBoxes()
{
    platform::MessageBox::SetTestMode([](const QString& caption, const QString& text) {
        const QByteArray message =
            QStringLiteral("message box \"%1\" with no queued answer: \"%2\"").arg(caption, text).toUtf8();
        // Outside a test function there is no test to fail: the run stops instead.
        if (!QTest::currentTestFunction())
            qFatal("%s", message.constData());
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(FailOnUnansweredBoxes)
