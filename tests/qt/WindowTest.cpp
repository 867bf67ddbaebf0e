#include <QDir>
#include <QFontInfo>
#include <QIcon>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "Form1.h"
#include "MainWindow.h"
#include "PictureArea.h"
#include "QtProgram.h"
#include "QuietOffscreen.h"

// The window as the player first sees it, and closing it before the quiz starts.
class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void layoutFollowsTheDescription() {
        QtProgram program(torvamikProgram());
        MainWindow& window = program.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.windowTitle(), QStringLiteral("Torvamik!"));
        QCOMPARE(window.size(), QSize(504, 448));
        QCOMPARE(window.minimumSize(), window.maximumSize());  // fixed size

        QPushButton& button = window.button();
        QCOMPARE(button.geometry(), QRect(8, 8, 489, 49));
        QCOMPARE(button.text(), QStringLiteral("Alusta mängu."));
        QVERIFY(button.isEnabled());
        QVERIFY(!button.isDefault() && !button.autoDefault());
        QCOMPARE(button.font().pixelSize(), 23);
        QCOMPARE(button.font().weight(), QFont::Normal);
        QVERIFY(!button.font().italic() && !button.font().underline() &&
                !button.font().strikeOut());
        // Whatever face stands in for the declared one must have the Estonian letters.
        const QFontMetrics metrics(button.font());
        for (const QChar letter : QStringLiteral("äõöüÕ"))
            QVERIFY(metrics.inFontUcs4(letter.unicode()));

        PictureArea& picture = window.pictureArea();
        QCOMPARE(picture.geometry(), QRect(8, 64, 488, 376));
        QCOMPARE(picture.focusPolicy(), Qt::NoFocus);
        QVERIFY(picture.picture().isNull());
    }

    void iconHasThePixelsOfTheInstalledFiles() {
        QtProgram program(torvamikProgram());
        const QIcon icon = program.window().windowIcon();
        QCOMPARE(icon.availableSizes(), QList<QSize>({{16, 16}, {32, 32}, {48, 48}}));
        for (const int size : {16, 32, 48}) {
            const QImage installed(
                QStringLiteral(TORVAMIK_ICON_DIR "/ee.torvamik.Torvamik-%1.png").arg(size));
            QVERIFY(!installed.isNull());
            QCOMPARE(icon.pixmap(QSize(size, size), 1.0)
                         .toImage()
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     installed.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }

    void buttonHasTheFocusAndIsTheOnlyTabStop() {
        QtProgram program(torvamikProgram());
        MainWindow& window = program.window();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), &window.button());
        QTest::keyClick(&window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &window.button());
    }

    void startsInAnEmptyFolderWithoutReadingAnything() {
        QTemporaryDir empty;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(empty.path());
        QtProgram program(torvamikProgram());
        program.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.window()));
        QTest::qWait(50);
        QDir::setCurrent(previous);
        QCOMPARE(program.exitStatus(), -1);
        QVERIFY(program.window().pictureArea().picture().isNull());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void closingWhileIdleEndsWithStatusZero() {
        QtProgram program(torvamikProgram());
        QTimer::singleShot(100, &program.window(), [&program] { program.window().close(); });
        QCOMPARE(program.run(), 0);
        QVERIFY(program.window().isClosed());
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
