#include "platform/qt/QtProfile.h"
#include "shell/app/ReelvoyagerApp.h"

#include <QApplication>
#include <clocale>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tolvik-Software"));
    QApplication::setApplicationName(QStringLiteral("Reelvoyager"));
    std::setlocale(LC_NUMERIC, "C");

    platform::QtProfile profile;
    CReelvoyagerApp app(profile);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!app.InitInstance(arguments, QApplication::applicationFilePath().toStdString()))
        return 1;
    return QApplication::exec();
}
