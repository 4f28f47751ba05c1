#include "ui/help_texts.h"

namespace {

const HelpPage kPages[] = {
    {9022, "System",
     "<p>The <b>System</b> node shows the emulated CPU model and the memory size in kilobytes: "
     "<i>System [pdp 11/94,4096 ]</i>. The CPU model decides the bus of the system (UNIBUS or QBUS), "
     "against which every device's bus type is checked.</p>"
     "<p>Double-click the node (or choose <i>Edit, Properties...</i>) to change the CPU model and the "
     "memory size.</p>"},
    {10002, "Disk Controllers",
     "<p>Disk controllers (MSCP, RH11, RK07, RK11, RL11, RP11, RXV11, RXV21) connect emulated disk drives. "
     "Each controller has units; each unit names the host file or device that holds the disk image.</p>"
     "<p>Right-click <i>Disk Controllers</i> and choose <i>Add Device</i> to add one: it gets the next free "
     "name (DUA, DUB...), register address and vector. Open a controller to set its register, vector, "
     "priority, model, its units' files and the boot unit. A controller with a boot unit shows the "
     "<b>BOOT</b> picture; there is only one boot device in a configuration.</p>"},
    {10003, "Tape Controllers",
     "<p>Tape controllers (TMSCP, TM11, TS11, TU16) connect emulated tape drives. Each unit names a tape "
     "image file or a host tape device. A tape unit can be the boot device.</p>"
     "<p>Add them from the group's menu; open one to edit its addresses, model and units.</p>"},
    {10004, "Serial Line Adapters",
     "<p>Serial line adapters (DL11, DJ11, DHV11, DZ11 and the QQ11 pseudo-devices) provide the console "
     "and terminal lines. Each line is connected to a host port, a terminal program or a network "
     "connection.</p><p>Open an adapter to set its addresses and, per line, the connection, speed, bits, "
     "parity and buffer sizes. The first DL11 is usually the console at 177560.</p>"},
    {10006, "Line Printers",
     "<p>An LP11 line printer writes the emulated printer's output to a host file or printer. Open it to "
     "choose the output and the character size.</p>"},
    {10007, "Network Adapters",
     "<p>Network adapters (DEQNA, DELQA, DESQA, DELUA) connect the emulated system to a real host network "
     "interface with a set of protocols, or to a virtual Ethernet; the VELNA adapter is always virtual.</p>"
     "<p>Open an adapter to choose the interface, the station address and the protocols.</p>"},
    {10008, "Va1000 Adapters",
     "<p>A Va1000 adapter maps a window of the emulated bus onto the host. Its node shows only its name. "
     "Open it to set the window's address and size.</p>"},
    {10009, "Bridge Adapters",
     "<p>QBUS-BRIDGE and UNIBUS-BRIDGE adapters join a second bus to the emulated system. Open one to set "
     "its address range.</p>"},
    {10010, "Binary Loaders",
     "<p>A binary loader puts an image file into the emulated memory before the system starts. Its units "
     "name the files and their load addresses; a loader unit can be the boot device. Loaders take no part "
     "in the conflict check.</p>"},
    {10011, "Timer & Clock",
     "<p>Timers (KW11-L, KW11-P, KW11-W, KWV11) give the system its line-frequency or programmable clock "
     "interrupts; the TOY clock keeps the time of year. Only one timer and one clock can be enabled at a "
     "time: <i>Enable Group</i> enables the first of each.</p>"},
    {10012, "Parallel Interfaces",
     "<p>DRV11 and DR11-C interfaces are mapped to a DCI1300 board, DRXXX interfaces to a data acquisition "
     "interface of the host. They can be enabled only for the target OS \"Windows NT 4.0\".</p>"},
    {10014, "ROMs",
     "<p>A ROM device loads a ROM image at a bus address. A ROM whose start flag is set is the boot device "
     "and shows the <b>BOOT</b> picture.</p>"},
    {10050, "Editing a configuration",
     "<p>Select a group or a device in the tree. The pictures tell a device's state: a <b>red cross</b> "
     "marks a disabled device, a <b>red exclamation mark</b> a register or vector conflict with another "
     "enabled device (double-click it to see the conflicts and resolve them), a <b>yellow exclamation "
     "mark</b> a device that does not fit the system's bus. <i>Options, Bus warnings enabled</i> "
     "tells the emulator whether to warn; when it is cleared the script holds <i>warning off</i>.</p><p>Right-click a group to add devices or to enable or disable the whole "
     "group; right-click a device to open, disable, enable or delete it. Disabled devices stay in the "
     "script, their lines prefixed by the disabled sign (<i>Options, Disabled Sign...</i>).</p>"},
};

}  // namespace

std::span<const HelpPage> helpPages() { return kPages; }

const HelpPage* findHelpPage(int context) {
  for (const HelpPage& page : kPages)
    if (page.context == context) return &page;
  return nullptr;
}
