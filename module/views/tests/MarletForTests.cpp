#include "module/views/tests/MarletForTests.h"

#include "Implementation/Components/PelmSonvale/testing/MarletSetUp.h"

namespace brisance::testing {

void setUpMarlet(marlet::ModelIndex audiometer, marlet::ModelIndex tympanometer)
{
    // Marlet files its settings under its library's name.
    pelmsonvale::testing::setUpMarlet("marlet", audiometer, tympanometer);
}

}  // namespace brisance::testing
