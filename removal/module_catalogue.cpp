#include "removal/module_catalogue.h"

namespace removal {

const std::vector<RemovalOption>& ModuleCatalogue() {
    // Processing order, which differs from the order of the boxes on screen (msn comes before aim here).
    // Patterns may overlap: a module moves with the first ticked row that matches it.
    static const std::vector<RemovalOption> rows = {
        {"Vendor_xml", {}},
        {"bsv",
         {"net_rim_bb_medialoader_video_83xx_320x240*.cod", "net_rim_bb_medialoader_240x260*.cod",
          "net_rim_bb_medialoader_video.cod", "net_rim_bb_medialoader_480x320_b.cod"}},
        {"vad", {"net_rim_vad*.cod"}},
        {"themes", {"net_rim_theme_1*.cod", "net_rim_theme_precision_silver_480x320_b.cod"}},
        {"wallpaper",
         {"net_rim_bb_media_320x240_b.cod", "net_rim_bb_media_240x260_b.cod",
          "net_rim_bb_medialoader_320x240_b.cod", "net_rim_bb_medialoader_240x260_b.cod",
          "net_rim_bb_media_88*.cod", "net_rim_bb_medialoader_backgrounds_480x320_b.cod",
          "net_rim_bb_medialoader_music_480x320_b.cod"}},
        {"ptt", {"net_rim_bb_phone_ptt_app.cod", "KnJCDE.cod"}},
        {"myfaves", {"net_rim_bb_media_100_five_icon_library.cod", "net_rim_tmo_five.cod"}},
        {"yahoo", {"net_rim_bb_qm_yahoo*.cod"}},
        {"msn", {"net_rim_bb_qm_msn*.cod"}},
        {"aim", {"net_rim_bb_qm_aim*.cod"}},
        {"tty", {"net_rim_phone_tty_enabler.cod"}},
    };
    return rows;
}

} // namespace removal
