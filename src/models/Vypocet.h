#pragma once

#include "core/DrunVar.h"

namespace drun {

// The compute step of the current element's kind: its attenuation and
// self-noise from its inputs. False when the model refused the inputs (only a
// silencer its data cannot compute); the element is then as before.
bool SpoctiPrvek(DrunVar& var);

} // namespace drun
