#include "app/DalvanaApp.h"

#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>

int runDalvana(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("דלבנה"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("דלבנה"));
    auto *editor = new QPlainTextEdit(&window);
    editor->setObjectName(QStringLiteral("ArticleText"));
    window.setCentralWidget(editor);
    window.resize(769, 483);
    window.show();
    return app.exec();
}
