// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include <QCloseEvent>
#include <QFont>

#include "PictureArea.h"
#include "ProgramIcon.h"

namespace {

// The declared face where it is installed, otherwise a sans-serif face with the Estonian letters.
QFont buttonFont(const FontDescription& font) {
    QFont result;
    result.setFamilies({QString::fromUtf8(font.face), QStringLiteral("Microsoft Sans Serif"),
                        QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("Noto Sans"), QStringLiteral("sans-serif")});
    result.setStyleHint(QFont::SansSerif);
    result.setPixelSize(font.pixelSize);
    result.setWeight(static_cast<QFont::Weight>(font.weight));
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    return result;
}

QRect toPixels(const RectTwips& rect) {
    const RectPixels pixels = twips::toPixels(rect);
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

}  // namespace

MainWindow::MainWindow(const ProgramDescription& description)
    : button_(new QPushButton(this)), pictureArea_(new PictureArea(this)) {
    setObjectName(QString::fromUtf8(description.form.name));
    setWindowTitle(QString::fromUtf8(description.form.caption));
    setWindowIcon(programIcon());
    setFixedSize(twips::toPixels(description.form.clientWidth),
                 twips::toPixels(description.form.clientHeight));
    // Minimise and move, but no maximise: the layout is fixed.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    const ButtonDescription& command = description.button;
    button_->setObjectName(QString::fromUtf8(command.name));
    button_->setText(QString::fromUtf8(command.caption));
    button_->setGeometry(toPixels(command.rect));
    button_->setFont(buttonFont(command.font));
    button_->setEnabled(command.enabled);
    button_->setFocus();

    pictureArea_->setObjectName(QString::fromUtf8(description.picture.name));
    pictureArea_->setGeometry(toPixels(description.picture.rect));
}

void MainWindow::setCaption(const QString& text) {
    button_->setText(text);
    // Once the button is grey nothing has the focus, and a screen reader reads neither it nor
    // its caption; it does read a new description of the active window.
    setAccessibleDescription(text);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    closed_ = true;
    event->accept();
    emit closed();
}
