// The few texts the page shows that the desktop editions have no use for: the
// sweep's CSV copy and the words that join the chart's numbers. Everything
// else the page shows comes from the shared design.

export const copyCsvCaption = "Copy CSV";

export const chartWords = {
  centre: "center",
  at: "at",
  to: "to",
};
