#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "Form1.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "QtUiPort.h"
#include "QuietOffscreen.h"
#include "ShownWindow.h"

namespace {

QList<QAbstractButton*> buttonsOf(QMessageBox& box) {
    return box.buttons();
}

QStringList buttonTexts(QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* button : buttonsOf(box)) texts << button->text();
    texts.sort();
    return texts;
}

QAbstractButton* buttonWithText(QMessageBox& box, const QString& text) {
    for (QAbstractButton* button : buttonsOf(box)) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

}  // namespace

// The quiz's two kinds of box on the real widgets: what they show and how they can be answered.
class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void init() {
        shown_ = std::make_unique<ShownWindow>();
        QVERIFY(shown_->exposed);
    }
    void cleanup() { shown_.reset(); }

    void questionBoxLooksAsItShould() {
        const QString statement = QString::fromUtf8(
            "Inimene hävitab ilveseid kolmel moel: raiudes metsa, küttides ilveste toitu "
            "(jäneseid, "
            "metskitsi, rebaseid jne) ning otseselt, ilusa kasuka ja sportliku huvi pärast. Õige "
            "või vale?");
        bool checked = false;
        ModalDriver driver([&](QMessageBox& box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("Torvamik!"));
            QCOMPARE(box.text(), statement);
            QCOMPARE(box.icon(), QMessageBox::NoIcon);
            QVERIFY(box.iconPixmap().isNull());
            QCOMPARE(box.windowModality(), Qt::ApplicationModal);
            QCOMPARE(buttonTexts(box), QStringList({"&Ei", "&Jah"}));
            for (QAbstractButton* button : buttonsOf(box)) QVERIFY(button->icon().isNull());
            QCOMPARE(box.defaultButton(), buttonWithText(box, "&Jah"));
            // The whole statement is shown, wrapped by the box.
            const auto labels = box.findChildren<QLabel*>();
            const bool wraps = std::any_of(labels.begin(), labels.end(), [&](QLabel* label) {
                return label->text() == statement && label->wordWrap();
            });
            QVERIFY(wraps);
            checked = true;
            buttonWithText(box, "&Jah")->click();
        });
        shown_->port->askYesNo(statement.toStdString(), "Torvamik!");
        QVERIFY(checked);
    }

    void answers_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("answer");
        QTest::newRow("Return takes the default") << int(Qt::Key_Return) << QString() << 6;
        QTest::newRow("J answers Jah") << int(Qt::Key_J) << QString() << 6;
        QTest::newRow("E answers Ei") << int(Qt::Key_E) << QString() << 7;
        QTest::newRow("click on Jah") << 0 << QStringLiteral("&Jah") << 6;
        QTest::newRow("click on Ei") << 0 << QStringLiteral("&Ei") << 7;
    }
    void answers() {
        QFETCH(int, key);
        QFETCH(QString, clicked);
        QFETCH(int, answer);
        ModalDriver driver([&](QMessageBox& box) {
            if (key != 0)
                QTest::keyClick(&box, static_cast<Qt::Key>(key));
            else
                buttonWithText(box, clicked)->click();
        });
        QCOMPARE(static_cast<int>(shown_->port->askYesNo("Ilves?", "Torvamik!")), answer);
    }

    void questionBoxIgnoresEscapeAndClose() {
        bool stayedOpen = false;
        ModalDriver driver([&](QMessageBox& box) {
            QTest::keyClick(&box, Qt::Key_Escape);
            box.close();
            QTimer::singleShot(150, &box, [&box, &stayedOpen] {
                stayedOpen = box.isVisible();
                QTest::keyClick(&box, Qt::Key_E);
            });
        });
        QCOMPARE(shown_->port->askYesNo("Ilves?", "Torvamik!"), AnswerNo);
        QVERIFY(stayedOpen);
    }

    void feedbackBoxHasOnlyOk_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "ok";
        QTest::newRow("Return") << "return";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("window close") << "close";
    }
    void feedbackBoxHasOnlyOk() {
        QFETCH(QString, how);
        int seen = 0;
        ModalDriver driver([&](QMessageBox& box) {
            ++seen;
            QCOMPARE(box.text(), QString::fromUtf8("Vastus oli õige!"));
            QCOMPARE(box.windowTitle(), QStringLiteral("Torvamik!"));
            QCOMPARE(buttonTexts(box), QStringList({"OK"}));
            QCOMPARE(box.icon(), QMessageBox::NoIcon);
            QVERIFY(box.buttons().first()->icon().isNull());
            if (how == "ok") box.buttons().first()->click();
            if (how == "return") QTest::keyClick(&box, Qt::Key_Return);
            if (how == "escape") QTest::keyClick(&box, Qt::Key_Escape);
            if (how == "close") box.close();
        });
        shown_->port->showMessage("Vastus oli õige!", "Torvamik!");
        QCOMPARE(seen, 1);
    }

private:
    std::unique_ptr<ShownWindow> shown_;
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
