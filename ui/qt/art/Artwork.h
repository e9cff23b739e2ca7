#pragma once

#include <QIcon>
#include <QPixmap>
#include <vector>

// The program's own pictures, drawn at run time so no image file has to travel with it.
// Each has the size the windows were designed around.
namespace quendal {

enum class ButtonPicture { Clock, Thermometer, Save, Open, Help, About, Quit, Globe, Back };

QPixmap ButtonIcon(ButtonPicture picture);  // 16 by 16
QIcon WindowIcon();                         // 32 by 32, with a 16 by 16 companion

std::vector<QPixmap> AntennaFrames();  // 10 frames of 35 by 45: mast sending waves
QPixmap HostBanner();                  // 274 by 51: the host program's name in blue
std::vector<QPixmap> LinkFrames();     // 19 frames of 280 by 120: a turning globe, linked
std::vector<QPixmap> TowerFrames();    // 7 frames of 120 by 263: a radio tower on air

}  // namespace quendal
