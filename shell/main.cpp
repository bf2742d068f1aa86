#include "shell/MainFrame.h"

#include <QApplication>
#include <clocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tolvik-Software"));
    QApplication::setApplicationName(QStringLiteral("Reelvoyager"));
    std::setlocale(LC_NUMERIC, "C");
    CMainFrame frame;
    frame.show();
    return app.exec();
}
