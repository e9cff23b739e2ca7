#pragma once

#include <QIcon>
#include <QPixmap>
#include <vector>

// The program's own pictures, drawn at run time so no image file has to travel with it.
// Each has the size and the frames the windows were designed around (forms::LookOf).
namespace quendal {

enum class ButtonPicture { Clock, Thermometer, Save, Open, Help, About, Quit, Globe, Back };

QPixmap ButtonIcon(ButtonPicture picture);  // 16 by 16
QIcon WindowIcon();                         // 32 by 32, with a 16 by 16 companion

std::vector<QPixmap> AntennaFrames();  // mast sending waves
QPixmap HostBanner();                  // the host program's name in blue
std::vector<QPixmap> LinkFrames();     // a turning globe, linked
std::vector<QPixmap> TowerFrames();    // a radio tower on air

}  // namespace quendal
