// The fixed identifiers of every public class and of its default interface. Never change one:
// registered clients and compiled macros know the classes by them.
#pragma once

#include "component/guid.h"

namespace glyphwright::ids {

inline constexpr Guid kCommandRunner = Guid::Parse("58CAB372-0AD8-4173-AC5F-70C81088A279");
inline constexpr Guid kCommandRunnerInterface = Guid::Parse("0666C44E-B4C7-46AE-A90A-F6FA685F5380");

inline constexpr Guid kChemFormulaQuery = Guid::Parse("0C3B0709-BA7A-4D00-B253-617ED14A2BB7");
inline constexpr Guid kChemFormulaQueryInterface =
    Guid::Parse("DD0BCAF2-7FB1-4B17-8C7F-5A37DAF1B532");

inline constexpr Guid kIonFormulaQuery = Guid::Parse("51ADA955-2113-47F2-9734-B81FABF31DA0");
inline constexpr Guid kIonFormulaQueryInterface =
    Guid::Parse("F1035992-1EA3-4F7E-B883-CBE50C0E3A77");

inline constexpr Guid kChemRDigitQuery = Guid::Parse("C91B71F9-166D-408E-8169-712A5F0FA052");
inline constexpr Guid kChemRDigitQueryInterface =
    Guid::Parse("A7A582B2-C1A6-4E26-8BA6-A83656E947EE");

inline constexpr Guid kChemNameQuery = Guid::Parse("146C36CB-9A35-414D-BC6D-13D249EFF36D");
inline constexpr Guid kChemNameQueryInterface = Guid::Parse("38FABDA3-EA69-40CA-8E4D-3B6BBD5F8181");

inline constexpr Guid kJournalQuery = Guid::Parse("D498CC95-B4E5-4CA1-8D55-5131E206406A");
inline constexpr Guid kJournalQueryInterface = Guid::Parse("A4AB12A1-09A2-4627-92B5-D620A3EE87D3");

inline constexpr Guid kNMRSpecFormQuery = Guid::Parse("812690A4-CB1D-458F-915C-BE5C070659F2");
inline constexpr Guid kNMRSpecFormQueryInterface =
    Guid::Parse("4D3C42B9-212F-4103-86B7-AA40760E7B69");

inline constexpr Guid kNMRSpecFormRQuery = Guid::Parse("65729F39-3DF5-42DF-B5EC-A13350C7FA73");
inline constexpr Guid kNMRSpecFormRQueryInterface =
    Guid::Parse("C450F728-F64C-4F08-97A3-2036B3FB821C");
// The interface of the class's earlier version, registered as the alias NMRSpecFormRQuery___v0.
inline constexpr Guid kNMRSpecFormRQueryInterfaceV0 =
    Guid::Parse("43B5B965-9F14-460F-AE68-391D3679C9FF");

inline constexpr Guid kCharacterisationQuery = Guid::Parse("0DAE0CD6-0B06-486C-8CAA-5741F3E67F5D");
inline constexpr Guid kCharacterisationQueryInterface =
    Guid::Parse("D050C2EE-E117-4FA6-9DBB-FA35C8FAFFE6");

inline constexpr Guid kNMRStyleQuery = Guid::Parse("6E7075DB-7A59-4DE3-A4BB-E99089F4B047");
inline constexpr Guid kNMRStyleQueryInterface = Guid::Parse("F7DDF92B-3DEF-4299-B2F0-3A5FE5E8120E");
inline constexpr Guid kChemTextQuery = Guid::Parse("2163415F-C318-4E1C-A94D-8A621EC9CBA8");
inline constexpr Guid kChemTextQueryInterface = Guid::Parse("17CC1B30-D705-4DDE-B35E-7089E7612041");

}  // namespace glyphwright::ids
