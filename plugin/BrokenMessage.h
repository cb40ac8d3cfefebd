#pragma once
// The one message the instrument ever gives ("BROKEN": an echo line could not
// be allocated), shown the way the platform shows such things.
void showBrokenMessage();
