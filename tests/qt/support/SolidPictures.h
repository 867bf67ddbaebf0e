#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A folder holding the fourteen pictures of the quiz, each one solid colour, and the current
// directory for as long as it lives.
class SolidPictures {
public:
    static QStringList names() {
        return {"0.jpg",   "1.jpg",   "2.jpg",   "3.jpg",   "4.jpg",   "1õv.jpg", "2õv.jpg",
                "3õv.jpg", "4õv.jpg", "5õv.jpg", "3vv.jpg", "4vv.jpg", "5vv.jpg", "6vv.jpg"};
    }

    // Well apart from each other, so that JPEG's small colour errors cannot confuse two pictures.
    static QColor colourOf(const QString& name) {
        const int index = static_cast<int>(names().indexOf(name));
        return QColor::fromHsv((index * 360 / 14) % 360, 255, index % 2 == 0 ? 255 : 160);
    }

    explicit SolidPictures(const QStringList& skip = {}) : previous_(QDir::currentPath()) {
        for (const QString& name : names()) {
            if (skip.contains(name)) continue;
            QImage image(64, 48, QImage::Format_RGB32);
            image.fill(colourOf(name));
            image.save(folder_.filePath(name), "JPEG", 95);
        }
        QDir::setCurrent(folder_.path());
    }
    ~SolidPictures() { QDir::setCurrent(previous_); }

    QString path() const { return folder_.path(); }

    // The name whose colour is nearest to this pixel.
    static QString nameOf(QColor pixel) {
        QString best;
        int bestDistance = 1 << 30;
        for (const QString& name : names()) {
            const QColor c = colourOf(name);
            const int d = std::abs(c.red() - pixel.red()) + std::abs(c.green() - pixel.green()) +
                          std::abs(c.blue() - pixel.blue());
            if (d < bestDistance) {
                bestDistance = d;
                best = name;
            }
        }
        return bestDistance < 40 ? best : QString();
    }

private:
    QTemporaryDir folder_;
    QString previous_;
};
