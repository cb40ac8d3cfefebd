#include "toolkit/HeadlessPlatformFrame.h"
