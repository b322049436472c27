#include "CSettingsApp.h"

int main(int argc, char** argv)
{
    return CSettingsApp::Run(argc, argv);
}
