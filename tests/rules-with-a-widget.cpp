// Must not compile: the rules library offers no widgets.
#include <QWidget>
