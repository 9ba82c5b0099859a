#pragma once
// Form2, "YAESU Edit": the memory editor. Created once, then only hidden and
// shown. Edit loads an image file into the editor's own state; Done writes it
// back with fresh checksums; Cancel leaves without writing.

#include "platform/result.h"

#include <QWidget>

namespace ft817 {

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit EditorWindow(QWidget* parent = nullptr);
    ~EditorWindow() override;

    // Edit: reads the image file at path (never writing it), loads it and
    // fills every list and box. On failure the window and the loaded tables
    // stay as they were and the reason is returned.
    Status edit(const QString& path);
    // Shows the window and puts the focus on Done.
    void present();

signals:
    // Done wrote the image to path and the editor is hidden.
    void saved(const QString& path);
    // Cancel, or the window frame's close: nothing written, the editor is hidden.
    void left();
};

}  // namespace ft817
