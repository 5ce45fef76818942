#pragma once

#include <QSharedPointer>
#include <QString>

enum SlideType { ImageSlideType = 1, TextSlideType = 2 };
enum DurationType { CommonDuration = 1, OwnDuration = 2 };
// The kinds QML sees; numbered differently from SlideType.
enum SlideKind { SeparatorKind = 1, ImageKind = 2, TextKind = 3 };

// One slide, shared by the project's slide list and the slide's presenter.
struct Slide
{
    int type = ImageSlideType;
    int durationType = CommonDuration;
    double duration = 0.0; // seconds; meaningful only for OwnDuration
    QString content;       // image path, or the slide text
    int rotation = 0;      // quarter turns clockwise, never normalised
    // The photo was not there when the project opened: kept in its place, left out of the
    // video. Known only while the project is open; the project file has no such field.
    bool missing = false;
    // The photo is there but cannot be read (not a picture, damaged, too large): left out of the
    // video like a missing one. Known from its thumbnail, while the project is open.
    bool unreadable = false;

    bool leftOut() const { return missing || unreadable; }
};
using SlidePtr = QSharedPointer<Slide>;
