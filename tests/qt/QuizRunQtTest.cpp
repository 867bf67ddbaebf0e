#include <QPushButton>
#include <QtTest>

#include "Form1.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "PictureArea.h"
#include "QtProgram.h"
#include "QuestionCatalogue.h"
#include "QuietOffscreen.h"
#include "SolidPictures.h"

namespace {

// What the player could see when a box opened: the box, the picture behind it and the button.
struct Sight {
    QString boxText;
    QString picture;
    QString caption;
    bool buttonEnabled;
};

const QString asking = QString::fromUtf8("Jälgige ka fotot dialoogikasti taga!");

// The statements' key, round by round, as the quiz was written: true except three.
bool isTrue(int round, int position) {
    return !((round == 1 && (position == 3 || position == 4)) || (round == 3 && position == 3));
}

}  // namespace

// Whole quizzes through the real window and the real boxes, with a clock a hundred times fast.
class QuizRunQtTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void wholeRunShowsEveryStepOnScreen_data() {
        QTest::addColumn<QString>("answers");  // per question: Y answers Jah, N answers Ei
        QTest::newRow("always Jah") << QString(20, 'Y');
        QTest::newRow("always Ei") << QString(20, 'N');
        QTest::newRow("mixed") << QStringLiteral(
            "NYYNY"
            "YNYYN"
            "YYYNN"
            "NNYYY");
    }
    void wholeRunShowsEveryStepOnScreen() {
        QFETCH(QString, answers);
        SolidPictures pictures;
        QtProgram program(torvamikProgram(), SteadyClock(100.0));
        MainWindow& window = program.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QList<Sight> sights;
        int question = 0;
        ModalDriver driver([&](QMessageBox& box) {
            sights.append(
                {box.text(),
                 SolidPictures::nameOf(window.pictureArea().grab().toImage().pixelColor(244, 188)),
                 window.button().text(), window.button().isEnabled()});
            if (box.buttons().size() == 2) {
                QTest::keyClick(&box, answers.at(question++) == 'Y' ? Qt::Key_Return : Qt::Key_E);
            } else {
                QTest::keyClick(&box, Qt::Key_Return);
            }
        });
        QTest::mouseClick(&window.button(), Qt::LeftButton);
        QCOMPARE(program.exitStatus(), 0);
        QVERIFY(window.isClosed());

        // The same steps, written out from the rules of the quiz.
        QList<Sight> expected;
        QString picture;  // nothing shown before the first answer
        for (int round = 1; round <= 4; ++round) {
            int score = 0;
            for (int position = 1; position <= 5; ++position) {
                const int index = (round - 1) * 5 + position - 1;
                expected.append(
                    {QString::fromUtf8(QuestionCatalogue::entry(round, position).statement.data(),
                                       QuestionCatalogue::entry(round, position).statement.size()),
                     picture, asking, false});
                const bool right = (answers.at(index) == 'Y') == isTrue(round, position);
                score = std::max(0, score + (right ? 1 : -1));
                expected.append({right ? QString::fromUtf8("Vastus oli õige!")
                                       : QStringLiteral("Vastus oli vale!"),
                                 picture, asking, false});
                picture = QString::number(6 - score) +
                          (right ? QString::fromUtf8("õv.jpg") : QStringLiteral("vv.jpg"));
            }
            picture = QString::number(round) + ".jpg";
        }
        QCOMPARE(sights.size(), expected.size());
        for (qsizetype i = 0; i < sights.size(); ++i) {
            QCOMPARE(sights[i].boxText, expected[i].boxText);
            QCOMPARE(sights[i].picture, expected[i].picture);
            QCOMPARE(sights[i].caption, expected[i].caption);
            QCOMPARE(sights[i].buttonEnabled, false);
        }
        // After the last round the caption stays as it was during the pauses.
        QCOMPARE(window.button().text(), QStringLiteral("Oota pisut..."));
        QCOMPARE(SolidPictures::nameOf(window.pictureArea().picture().pixelColor(10, 10)),
                 QStringLiteral("4.jpg"));
    }

    void clicksDuringAPauseDoNothing() {
        SolidPictures pictures;
        QtProgram program(torvamikProgram(), SteadyClock(20.0));  // a pause lasts 250 ms
        MainWindow& window = program.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int boxes = 0;
        QStringList seenDuringPause;
        ModalDriver driver([&](QMessageBox& box) {
            ++boxes;
            if (boxes == 10) {  // the fifth feedback box: the pause follows its closing
                QTimer::singleShot(100, &window, [&] {
                    seenDuringPause << window.button().text();
                    QTest::mouseClick(&window.button(), Qt::LeftButton);
                    window.button().click();
                    QTest::keyClick(&window, Qt::Key_Space);
                    QTest::mouseClick(&window.pictureArea(), Qt::LeftButton);
                });
            }
            QTest::keyClick(&box, Qt::Key_Return);
        });
        window.button().click();
        QCOMPARE(seenDuringPause, QStringList({"Oota pisut..."}));
        QCOMPARE(boxes, 40);
        QCOMPARE(program.exitStatus(), 0);
    }

    void closingTheWindowDuringAPauseEndsTheProgram() {
        SolidPictures pictures;
        QtProgram program(torvamikProgram(), SteadyClock(5.0));  // a pause lasts a second
        MainWindow& window = program.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int boxes = 0;
        ModalDriver driver([&](QMessageBox& box) {
            if (++boxes == 10) QTimer::singleShot(200, &window, [&window] { window.close(); });
            QTest::keyClick(&box, Qt::Key_Return);
        });
        QElapsedTimer wall;
        wall.start();
        window.button().click();
        QCOMPARE(program.exitStatus(), 0);
        QCOMPARE(boxes, 10);
        QVERIFY(wall.elapsed() < 5000);
    }

    void missingPictureStopsTheRunWithAnErrorBox() {
        SolidPictures pictures({"4õv.jpg"});
        QtProgram program(torvamikProgram(), SteadyClock(100.0));
        MainWindow& window = program.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList texts;
        ModalDriver driver([&](QMessageBox& box) {
            texts << box.text();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        window.button().click();
        QCOMPARE(program.exitStatus(), 1);
        // Question, feedback, question, feedback: the second right answer needs "4õv.jpg".
        QCOMPARE(texts.size(), 5);
        QVERIFY(texts.last().contains("53"));
        QVERIFY(texts.last().contains("File not found"));
        QVERIFY(texts.last().contains(QString::fromUtf8("4õv.jpg")));
        QCOMPARE(SolidPictures::nameOf(window.pictureArea().picture().pixelColor(10, 10)),
                 QString::fromUtf8("5õv.jpg"));
    }
};

QTEST_MAIN(QuizRunQtTest)
#include "QuizRunQtTest.moc"
