#pragma once

// Asked anew at every call; a failed version query answers false to both.
bool IsWin9xPlatform();
bool IsVersion5OrLater();
