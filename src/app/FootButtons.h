// The four buttons at the foot of the board area: turn the board right and left, show the game
// information, quit the game. They keep to the area's bottom corners as it is resized.
#pragma once

#include <functional>
#include <map>

class QPushButton;
class QWidget;

namespace halmora {

class CFootButtons {
public:
    // Makes them on `area`; a click runs `command` with the button's command id.
    void Create(QWidget& area, const std::function<void(int)>& command);
    // Anchors them to the bottom corners of an area of width by height.
    void Place(int width, int height);
    // Gives the buttons their texts in the chosen language.
    void Retranslate();
    // The button of a command id, or null.
    QPushButton* Button(int id) const;

private:
    std::map<int, QPushButton*> buttons_;
};

}  // namespace halmora
