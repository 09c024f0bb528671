#include "Pomocnik.h"
#include "ui/MujEdit.h"

TEST(MujEdit, ZpravaRozsahu) {
    EXPECT_EQ(ZpravaRozsah(0, 150), "V poli musi být číslo od 0 do 150");
    EXPECT_EQ(ZpravaRozsah(0.01, 1), "V poli musi být číslo od 0.01 do 1");
}
