#include "resources/Resources.h"

#include <QtCore/QDir>
#include <QtCore/qglobal.h>

static void initPictures()
{
    Q_INIT_RESOURCE(resources);
}

void InitResources()
{
    static const bool done = (initPictures(), true);
    (void)done;
}
