// The main of the window tests: an application on the offscreen platform and
// a watchdog that fails the running test when a modal box would block it.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        QString text = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) text += QStringLiteral(": ") + box->text();
        ADD_FAILURE() << "an unexpected modal window would block: " << text.toStdString();
        modal->close();
    });
    wache.start(50);
    return RUN_ALL_TESTS();
}
