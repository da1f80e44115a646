#pragma once
// Marks a text users see so that Qt's lupdate collects it for translators, without tying the
// vocabulary to Qt: the text stays as it is, and the widget that shows it translates it in the
// context named (Qt's own definition of the macro is the same).

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
