#include "message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace korv {
namespace {

MessageSink& current_sink() {
    static MessageSink sink;
    return sink;
}

void show_modal_box(const QString& text) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        // A host without a window system still gets to see the message.
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace

void show_message(const QString& text) {
    if (current_sink()) {
        current_sink()(text);
    } else {
        show_modal_box(text);
    }
}

MessageSink set_message_sink(MessageSink sink) {
    MessageSink previous = std::move(current_sink());
    current_sink() = std::move(sink);
    return previous;
}

}  // namespace korv
