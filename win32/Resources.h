#pragma once

// The numbers of the program's resources, shared by zolbas.rc and the code.
#define ZOLBAS_ICON_RESOURCE 1
