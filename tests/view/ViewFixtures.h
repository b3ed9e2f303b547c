// Helpers for the view tests: pictures written as .bmp files and message boxes caught instead of
// shown.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <filesystem>
#include <string>
#include <vector>

#include "view/ViewMessages.h"

namespace halmora::testing {

struct Message {
    std::string caption;
    std::string text;
};

// Records every message box while it lives; the real box comes back afterwards.
class MessageCapture {
public:
    MessageCapture() {
        SetMessageBoxFunction([this](const std::string& caption, const std::string& text) {
            messages.push_back({caption, text});
        });
    }
    ~MessageCapture() { SetMessageBoxFunction(nullptr); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<Message> messages;
};

inline QImage Filled(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

inline std::string SaveBmp(const QImage& image, const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    image.save(QString::fromStdString(path.string()), "BMP");
    return path.string();
}

inline QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0x00FFFFFF;
}

inline QRgb Rgb(int r, int g, int b) {
    return qRgb(r, g, b) & 0x00FFFFFF;
}

}  // namespace halmora::testing
