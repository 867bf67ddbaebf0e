// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

// Image1: shows the latest picture stretched to fill its box. Like any plain widget it takes no
// focus and handles no input; clicks on it fall through to nothing. A screen reader knows it as
// "Pilt", described by the description the picture file carries.
class PictureArea : public QWidget {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent);

    // The picture must already be decoded at sizeInDevicePixels(); it is painted without scaling.
    // Its description is the image's text under pictureDescriptionKey.
    void setPicture(QImage picture);
    const QImage& picture() const { return picture_; }
    QSize sizeInDevicePixels() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
