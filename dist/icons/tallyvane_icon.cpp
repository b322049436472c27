#include "IconExport.h"
#include "ui/images/DrawnImages.h"

int main(int argc, char** argv)
{
    return IconExport::Run(argc, argv, [](QPainter& p, int size) {
        p.scale(size / 32.0, size / 32.0);
        DrawnImages::PaintInto(p, DrawnImages::Glyph::AppIcon);
    });
}
