// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

struct _FcPattern;

// The style group a face belongs to, as the desktop's list of screen fonts names
// it: the family its own name table gives that group (name ID 1), in English
// where the font has an English name, else in the language of its first. Its
// Regular, Bold, Italic and Bold Italic share the group; a Light, Condensed or
// Black face has a group of its own ("DejaVu Sans Light"). fontconfig lists
// that name as a further family value, after the typographic family, where the
// two differ. A variable font's named instances outside the four basic styles
// each make a group "Family Instance".
struct FaceGroup {
    // Empty for a face that belongs to no group: a variable font's whole
    // design space, which fontconfig lists beside its instances.
    QString name;
    // The group's name in each other language the font has one in.
    QStringList otherNames;
};

FaceGroup faceGroupOf(_FcPattern *face, bool withOtherNames = false);
