#include "net_names.h"

#include <array>
#include <string_view>

namespace nodewick::bench {
namespace {

template <std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& choices, Random& random)
{
    return choices[random.Below(static_cast<std::uint32_t>(N))];
}

std::string ZeroFilled(std::uint32_t number, std::size_t width)
{
    std::string digits = std::to_string(number);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return digits;
}

std::string LongName(const std::string& number, Random& random)
{
    const std::string digit = std::to_string(random.Below(8));
    switch (random.Below(8)) {
    case 0:
        return "DDR4_CH" + digit + "_DQ" + number;
    case 1:
        return "PCIE_GEN4_TX_P_L" + number;
    case 2:
        return "/CPU_SUBSYSTEM/ADDR_" + number;
    case 3:
        return "FPGA_BANK3" + digit + "_IO_L" + number + "P";
    case 4:
        return "ETH_PHY" + digit + "_RGMII_RXD_" + number;
    case 5:
        return "USB3_SSTX_N_CONN_" + number;
    case 6:
        return "BACKPLANE_SLOT" + ZeroFilled(random.Below(21), 2) + "_DATA_LANE_" + number + "_P";
    default:
        if (random.PerMille(100))
            return "SERDES_QUAD_" + number + "_CHANNEL_" + digit +
                "_TRANSMIT_DIFFERENTIAL_PAIR_POSITIVE_SIDE_AC_COUPLED";
        return "I2C_SENSOR_BUS_SDA_" + number;
    }
}

}  // namespace

std::string SignalNetName(std::uint32_t number, Random& random)
{
    static constexpr std::array<std::string_view, 6> kBusPrefixes = {"D", "A", "ADDR", "DATA", "CLK", "RST_N"};
    const std::string digits = std::to_string(number);
    const std::uint32_t style = random.Below(1000);
    if (style < 180)
        return "N" + ZeroFilled(number, 5);
    if (style < 300)
        return "NET" + digits;
    if (style < 400)
        return std::string(Pick(kBusPrefixes, random)) + digits;
    if (style < 800)
        return LongName(digits, random);
    if (style < 850)
        return "net." + digits + ".sense";
    if (style < 880)
        return "gnd_sense" + digits;
    if (style < 900)
        return "SHIFT_REG" + digits;
    if (style < 910)
        return "-VREF" + digits;
    if (style < 920)
        return "+IN" + digits;
    if (style < 930)
        return "ISENSE_" + digits +
            "\xB5"
            "A";  // micro sign, Windows-1252
    return "S" + digits + "_" + static_cast<char>('A' + random.Below(26));
}

std::string TieGroupValue(std::uint32_t group)
{
    if (group == 0)
        return "PWR_MAIN";
    switch (group % 3) {
    case 0:
        return "AGND_TIE" + std::to_string(group);
    case 1:
        return "TIE_ANALOG_REF_" + std::to_string(group);
    default:
        return "NT" + std::to_string(group);
    }
}

}  // namespace nodewick::bench
