#include "platform/qt/MessageBox.h"

#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    // A message box that no test answered fails that test instead of waiting on the screen.
    platform::MessageBox::SetTestMode([](const QString& caption, const QString& text) {
        ADD_FAILURE() << "message box \"" << caption.toStdString() << "\" with no queued answer: \""
                      << text.toStdString() << '"';
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
