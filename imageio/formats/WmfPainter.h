// libwmf's device layer, drawing with QPainter. libwmf plays a WMF's records
// (device context, objects, coordinate mapping, text metrics) and calls the
// layer with device coordinates; WmfPainter draws them onto a picture, the
// picture's area in those coordinates filling the whole of it. Drawing
// straight with Qt keeps the file's exact colours, antialiases, and draws a
// thumbnail at its own size. Embedded bitmaps are decoded by Qt's BMP reader.
#pragma once

#include <QImage>
#include <QRectF>

#include <memory>

struct _wmfAPI;

namespace kolvira {

// Sets the device layer's functions in `api`: the device function given to
// wmf_api_create. The drawing goes to the WmfPainter that api->device_data
// points to, and nowhere while libwmf only scans the records.
void InstallWmfPainter(_wmfAPI* api);

class WmfPainter {
public:
    // Draws onto `canvas`, `area` of libwmf's device coordinates filling it.
    WmfPainter(QImage& canvas, const QRectF& area);
    ~WmfPainter();
    WmfPainter(const WmfPainter&) = delete;
    WmfPainter& operator=(const WmfPainter&) = delete;

    // Whether text was left out for want of fonts (see CanDrawText).
    bool LeftOutText() const;

    struct Device; // the drawing state, for the device layer's functions
    Device& GetDevice() { return *device_; }

private:
    std::unique_ptr<Device> device_;
};

} // namespace kolvira
