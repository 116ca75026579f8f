// St Louis and Kansas City earnings taxes: the directory list.
#ifndef TXL5_LOCAL_MISSOURI_H
#define TXL5_LOCAL_MISSOURI_H

#include "core/txl5.h"
#include "local/directory.h"

TXL5_EXPORT extern const LocalityNameRow moname[];

#endif  // TXL5_LOCAL_MISSOURI_H
