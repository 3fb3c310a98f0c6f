#pragma once
// Base of every page panel: a page shows a section of the device image and copies
// its controls into the image (pack) and back (unpack). One panel may serve several
// tree pages (the eight connections share one layout); the page index tells which.

#include "image/device_image.h"

#include <QLabel>
#include <QWidget>

namespace zel {

struct InterfaceTexts;

class SectionPanel : public QWidget {
    Q_OBJECT
public:
    // panelName: the panel's object name; titleLabelName: empty when the panel has none.
    SectionPanel(const QString& panelName, const QString& titleLabelName, QWidget* parent = nullptr);

    // Entry preparation: visibility of controls, generated list items.
    virtual void prepare(int page) { Q_UNUSED(page); }
    virtual void unpack(const DeviceImage& image, int page)
    {
        Q_UNUSED(image);
        Q_UNUSED(page);
    }
    virtual void pack(DeviceImage& image, int page)
    {
        Q_UNUSED(image);
        Q_UNUSED(page);
    }
    // Called once when the window has been created (generated lists, grids).
    virtual void setUpOnce() {}
    // Called after every page switch (the input page recomputes its readouts).
    virtual void refreshReadouts() {}

    void setInterfaceTexts(const InterfaceTexts* texts) { texts_ = texts; }
    QLabel* titleLabel() const { return title_; }
    void setTitle(const QString& caption);

protected:
    const InterfaceTexts* texts_ = nullptr;
    QLabel* title_ = nullptr;
};

} // namespace zel
