#pragma once
// Marks a text of the Qt-free core that a person also reads in the windows:
// the windows show it in their language, looked up under context (lupdate
// collects it, as QT_TRANSLATE_NOOP, into translations/*.ts); the command
// line and the files keep it as written here.
#define FT817_WINDOW_TEXT(context, text) text
