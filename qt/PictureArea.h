#pragma once

#include <QImage>
#include <QWidget>

// Image1: shows the latest picture stretched to fill its box. Like any plain widget it takes no
// focus and handles no input; clicks on it fall through to nothing.
class PictureArea : public QWidget {
public:
    using QWidget::QWidget;

    // The picture must already be decoded at sizeInDevicePixels(); it is painted without scaling.
    void setPicture(QImage picture);
    const QImage& picture() const { return picture_; }
    QSize sizeInDevicePixels() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
