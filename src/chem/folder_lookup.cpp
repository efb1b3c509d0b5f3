#include "chem/folder_lookup.h"

namespace glyphwright {

AutomationError SpecialFolderError() {
  return {5, u"Fatal on GetSpecialFolderName."};
}

}  // namespace glyphwright
