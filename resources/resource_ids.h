#pragma once
// Resource numbers shared by the resource scripts and the code.
#define IDI_SETUP 101
