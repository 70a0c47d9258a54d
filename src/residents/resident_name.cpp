#include "platform/text.h"
#include "residents/resident_data.h"

namespace vt {

std::string AbbreviatedName(const std::string& name) {
    std::string lastName = name;
    std::string firstName;
    const std::size_t comma = InStr(name, ",");
    if (comma >= 2) {
        lastName = Left(name, comma - 1);
        firstName = Mid(name, comma + 1, 25);
    }
    lastName = Trim(lastName);
    firstName = Trim(firstName);
    // A last name of two or three letters shrinks to one letter, a longer one to three.
    if (!lastName.empty() && lastName.size() <= 3) lastName = Left(lastName, 1);
    if (lastName.size() > 1) lastName = Left(lastName, 3);
    if (firstName.size() > 1) firstName = Left(firstName, 2);
    return lastName + "., " + firstName + ".";
}

bool IsSafeResidentKey(const std::string& key) {
    return key.find_first_of("\\/:") == std::string::npos && key.find('\0') == std::string::npos &&
           key.find("..") == std::string::npos;
}

}  // namespace vt
