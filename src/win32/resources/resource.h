// Resource ids of the .rc file. Command ids are shared with the core (app/CommandIds.h).
#pragma once

#define IDR_MAINFRAME 128
#define IDI_LUMBREL 129
