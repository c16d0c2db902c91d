// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT

// The least a Qt program can do to start like Glyphory: a splash, every font
// family read through Qt into a sorted list that stays hidden, and the list
// shown, after the same 500 ms splash timer. Its figures, taken in the same
// run, are what the browser's own are judged against.

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Qt's default font is the alias "Sans Serif", which Qt looks for among
    // every installed family before settling on a stand-in: seconds at tens of
    // thousands. Any program for large collections names an installed family.
    // Qt reads its font list on the first font used anyway, so taking one from
    // it here costs nothing the splash would not.
    const QStringList installed = QFontDatabase::families();
    if (!installed.isEmpty())
        QApplication::setFont(QFont(installed.first(), QApplication::font().pointSize()));

    QWidget splash(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    splash.setWindowTitle(QStringLiteral("Floor 1.0"));
    auto *splashLayout = new QVBoxLayout(&splash);
    splashLayout->addWidget(new QLabel(QStringLiteral("Floor 1.0"), &splash));
    splash.resize(400, 250);
    splash.show();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor - Version 1.0"));
    window.resize(800, 600);
    auto *list = new QListWidget(&window);
    window.setCentralWidget(list);

    // The reading starts when the 500 ms splash timer fires, as in the browser,
    // so "launch to list drawn, less 500 ms" holds the same work in both.
    QTimer::singleShot(500, &app, [&] {
        QStringList families = QFontDatabase::families();
        std::sort(families.begin(), families.end(), [](const QString &a, const QString &b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
        list->addItems(families);
        list->setCurrentRow(0);
        window.show();
        splash.hide();
    });

    return app.exec();
}
