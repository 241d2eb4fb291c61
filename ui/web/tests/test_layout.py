"""The layouts: a phone of 360 x 740 CSS px (one column, no sideways scroll,
44 px targets, 16 px text, the help below), the wide screen (the main
window's arrangement, the help beside it), and the dark scheme."""

import unittest

import expected as E
from page_session import PageTest

TARGETS = "input, button:not([role=menuitem]), [role=menuitem]"


class Phone(PageTest):
    width, height, scale, mobile = 360, 740, 3, True

    def setUp(self):
        self.open_page()
        self.calculate()

    def test_page_never_scrolls_sideways_the_sweep_list_scrolls_inside_itself(self):
        self.element("mnuHelp").click()
        self.element("mnuZRHelp").click()
        widths = self.js("""
            const root = document.documentElement, sweep = document.getElementById('lstSweep');
            return [root.scrollWidth, root.clientWidth, sweep.scrollWidth, sweep.clientWidth];
        """)
        self.assertLessEqual(widths[0], widths[1])
        self.assertEqual(widths[1], 360)
        self.assertGreater(widths[2], widths[3])
        # Scrolled sideways, the sweep comes back to its left edge with the
        # next Calculate, so that no column shows cut in half.
        self.js("document.getElementById('lstSweep').scrollLeft = 80")
        self.assertGreater(self.js("return document.getElementById('lstSweep').scrollLeft"), 0)
        self.calculate()
        self.assertEqual(self.js("return document.getElementById('lstSweep').scrollLeft"), 0)

    def test_fields_and_buttons_are_44_px_tall_with_16_px_text(self):
        self.element("mnuHelp").click()
        sizes = self.js("""
            return [...document.querySelectorAll(arguments[0])]
              .filter(e => e.getClientRects().length)
              .map(e => [e.id || e.className, e.getBoundingClientRect().height,
                         parseFloat(getComputedStyle(e).fontSize)]);
        """, TARGETS)
        self.assertGreaterEqual(len(sizes), 4 + 1 + 5 + 2 + 1)
        for name, height, font in sizes:
            self.assertGreaterEqual(height, 44, name)
            self.assertGreaterEqual(font, 16, name)
        self.assertGreaterEqual(self.js("return parseFloat(getComputedStyle(document.getElementById('lstSweep-2')).fontSize)"), 16)

    def test_every_text_is_16_px_or_more_with_the_help_and_the_about_box_open(self):
        self.element("mnuHelp").click()
        self.element("mnuZRHelp").click()
        self.element("mnuHelp").click()
        self.element("mnuAbout").click()
        small = self.js("""
            const small = [];
            const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
            for (let node = walker.nextNode(); node; node = walker.nextNode()) {
              const parent = node.parentElement;
              if (!node.textContent.trim() || !parent.getClientRects().length) continue;
              if (parent.closest('.visually-hidden, [hidden], dialog:not([open])')) continue;
              const svg = parent.closest('svg');
              const scale = svg ? svg.getScreenCTM().a : 1;
              const size = parseFloat(getComputedStyle(parent).fontSize) * scale;
              if (size < 15.9) small.push(`${node.textContent.trim().slice(0, 30)}: ${size.toFixed(1)} px`);
            }
            return small;
        """)
        self.assertEqual(small, [])

    def test_one_column_with_the_help_below(self):
        self.element("mnuHelp").click()
        self.element("mnuZRHelp").click()
        # Edges may differ by a rounding (Firefox lays out in 1/60 px).
        boxes = self.js("""
            const r = id => document.getElementById(id).getBoundingClientRect();
            const above = (a, b) => r(a).bottom <= r(b).top + 0.01;
            return [above('Frame2', 'Frame3'), above('Frame3', 'Frame1'), above('frmMain', 'frmHelp')];
        """)
        self.assertEqual(boxes, [True, True, True])


class WideScreen(PageTest):
    def setUp(self):
        self.open_page()

    def test_main_window_arrangement_and_the_help_beside_it(self):
        self.element("mnuHelp").click()
        self.element("mnuZRHelp").click()
        boxes = self.js("""
            const r = id => document.getElementById(id).getBoundingClientRect();
            const p = r('Frame2'), v = r('Frame3'), s = r('Frame1'), m = r('frmMain'), h = r('frmHelp');
            return [Math.abs(p.top - v.top) < 1, p.right < v.left, s.top > p.bottom,
                    Math.abs(s.width - (v.right - p.left)) < 2, h.left >= m.right,
                    Math.round(p.width / v.width * 100)];
        """)
        self.assertEqual(boxes[:5], [True, True, True, True, True])
        self.assertEqual(boxes[5], round(3015 / 3135 * 100))


class DarkScheme(PageTest):
    scheme = "dark"

    def test_dark_scheme_is_applied(self):
        self.open_page()
        self.calculate()
        luminance = self.js("""
            const [r, g, b] = getComputedStyle(document.getElementById('frmMain')).backgroundColor
              .match(/\\d+/g).map(Number);
            return (0.2126 * r + 0.7152 * g + 0.0722 * b) / 255;
        """)
        self.assertLess(luminance, 0.2)
        self.assertEqual(self.lines("lstValues"), E.DEFAULT_RESULTS)


if __name__ == "__main__":
    unittest.main()
