// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

// The help texts behind the two "Read More" links: paragraphs separated by an
// empty line, every line ending in CR LF.
inline constexpr char RegionalHelpText[] =
    "Using Regional and Language Options in Control Panel, you can install multiple languages on "
    "your computer, such as Hebrew, Arabic, Japanese, Korean, and Western European languages "
    "(French, Spanish, German, and many others). \r\n\r\n"
    "When you create a document, you choose which language you want to use for it, and the system "
    "then makes the character set of that language available for you, so that you can type its "
    "letters straight from your keyboard.\r\n\r\n"
    "Simple editors such as WordPad and Notepad can write text in other languages, while a word "
    "processor may add further aids for these languages, such as spell checkers.\r\n\r\n"
    "Whoever receives your document needs the same languages installed on their computer to read "
    "or edit it.\r\n";

inline constexpr char CharacterMapHelpText[] =
    "You can use Character Map to view the characters that are available in a selected font. "
    "Character Map displays the following character sets: Windows, DOS, and Unicode. \r\n\r\n"
    "You can copy single characters or a whole group of characters to the Clipboard and then paste "
    "them into any program that can display them, or drag the characters from Character Map "
    "straight into any open document.\r\n\r\n"
    "You can also quickly search for the characters that you need by their Unicode character name, "
    "by Unicode subgroup (such as arrows, currency symbols or mathematical operators), or by other "
    "classifications of the characters, such as their script or block.\r\n";
