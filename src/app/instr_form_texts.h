#pragma once

#include <QLatin1String>
#include <array>

// Every text the instructions window shows, in one place. Leading and
// trailing blanks belong to the lines.
namespace kven::instr_text {

inline constexpr QLatin1String Caption{"Instructions"};
inline constexpr QLatin1String ShowLanguageDefinition{"Show Language Definition"};
inline constexpr QLatin1String ShowInstructions{"Show Instructions"};
inline constexpr QLatin1String Ok{"OK"};
inline constexpr QLatin1String Version{"Version 3.3"};

inline constexpr std::array<QLatin1String, 3> Credits{
    QLatin1String{"Gridlark - crossword diagrams as plain text and back."},
    QLatin1String{"Rebuilt with Qt by the KVEN3 developers."},
    QLatin1String{"Free to use and to pass on."},
};

inline constexpr std::array<QLatin1String, 20> Instructions{
    QLatin1String{" Decoding."},
    QLatin1String{"  Copy the magic text from your email program and  paste it into the form  via the edit menu."},
    QLatin1String{"  Alternatively save the letter as a  text file and open it with this program."},
    QLatin1String{"   Encoding."},
    QLatin1String{"   Encode crosswords by first chosing the size.The top control gives you square grids. You "},
    QLatin1String{"  can adjust them with the lower control."},
    QLatin1String{"  Enter  the blocks or bars from a grid. It may help to put numbers along the edges of a  copy "},
    QLatin1String{"  of the grid. "},
    QLatin1String{" Number ing. Either  none or automatically( the software fills them in) or manually for special "},
    QLatin1String{" numbering schemes.For manual entry, the little box shows the next number"},
    QLatin1String{" that will be entered. You can change it."},
    QLatin1String{" When finished just click on Copy on the Edit menu or save as a file"},
    QLatin1String{"  Copy/Save as grid uses bitmap images,in case you need one."},
    QLatin1String{"  Hit File/New before starting another grid."},
    QLatin1String{"  Solution entry should be done after defining the grid and numbering it."},
    QLatin1String{"  Click in the grid in letter entry mode to set the start point of lettering."},
    QLatin1String{" Use the arrow keys  to set entry direction. Default is first square,lettering across"},
    QLatin1String{"  The program will automagically skip over blocks."},
    QLatin1String{"  Edit Clear clears all the letters but not the grid."},
    QLatin1String{"  ctrl-b thickens the bars by one pixel. shift - ctrl - b thinnens them. Effect is not permanent."},
};

inline constexpr std::array<QLatin1String, 18> LanguageDefinition{
    QLatin1String{"Ascii text   All Capital letters  Groups separated by one or more spaces"},
    QLatin1String{"Lines can spill over into multiple lines.Terminate with Z at end of Blocks, H or V "},
    QLatin1String{"Bars. Enter top half only for symmetry= 2, first quadrant for symmetry = 4. "},
    QLatin1String{"First line starts with  KVEN  ,then symmetry (digit, 0,2 or 4),then number of "},
    QLatin1String{"Horizontal squares, then vertical squares; Example   KVEN 4 12 12 "},
    QLatin1String{"New line. Diagrams with blocks then have 'BLK', followed  by the numbers of"},
    QLatin1String{" the  blocked squares ,terminated with'Z'"},
    QLatin1String{"Diagrams with Bars  have 'HBR' followed  by the numbers of the "},
    QLatin1String{"horizontal bars  ,terminated with'Z'"},
    QLatin1String{"New line. Diagrams with Bars then have VBR' followed  by the numbers of the "},
    QLatin1String{"Vertical Bars  ,terminated with'Z'"},
    QLatin1String{"New line.  Optional ' MN' (manual Numbering)"},
    QLatin1String{" followed by V lines of H numbers,each is 3 digits."},
    QLatin1String{"New line.  Optional ' NN'  No numbering"},
    QLatin1String{"New line.  Optional 'TTL' followed by crossword title"},
    QLatin1String{"New Line Optional 'ANS' followed by solution, V lines of H characters."},
    QLatin1String{""},
    QLatin1String{""},
};

}  // namespace kven::instr_text
