#include "AppIcon.h"
#include "IconExport.h"

int main(int argc, char** argv)
{
    return IconExport::Run(argc, argv, &PaintPivexAppIcon);
}
