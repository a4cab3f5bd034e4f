"use strict";
// `HistoryChart`: the lines and both axis ranges of the Graph sheet's model, drawn by Chart.js.
// Dragging across the chart zooms into those turns; a right click undoes the zoom, as in the
// window. The chart's picture is on a white ground so that a saved PNG reads anywhere.
const Orv5HistoryChart = (() => {
  let chart = null;
  let shown = null; // the model on screen
  let onZoom = () => {};
  let onUndoZoom = () => {};
  let drag = null;

  const whiteGround = {
    id: "orv5WhiteGround",
    beforeDraw(c) {
      const context = c.ctx;
      context.save();
      context.fillStyle = "#ffffff";
      context.fillRect(0, 0, c.width, c.height);
      context.restore();
    },
  };

  // The turns being dragged over, drawn as a band.
  const dragBand = {
    id: "orv5DragBand",
    afterDraw(c) {
      if (!drag) return;
      const area = c.chartArea;
      const context = c.ctx;
      context.save();
      context.fillStyle = "rgba(0, 96, 223, 0.15)";
      context.fillRect(Math.min(drag.from, drag.to), area.top, Math.abs(drag.to - drag.from), area.bottom - area.top);
      context.restore();
    },
  };

  function create(canvas) {
    chart = new Chart(canvas.getContext("2d"), {
      type: "line",
      data: { datasets: [] },
      options: {
        animation: false, parsing: false, normalized: true, maintainAspectRatio: false, responsive: true,
        elements: { point: { radius: 0, hitRadius: 4 }, line: { borderWidth: 2, tension: 0 } },
        plugins: { legend: { display: false }, tooltip: { mode: "nearest", intersect: false } },
        scales: {
          x: { type: "linear", ticks: { precision: 0 }, title: { display: true, text: "Turn" } },
          y: { type: "linear" },
        },
      },
      plugins: [whiteGround, dragBand],
    });
    canvas.addEventListener("mousedown", startDrag);
    canvas.addEventListener("mousemove", moveDrag);
    window.addEventListener("mouseup", endDrag);
    canvas.addEventListener("contextmenu", (event) => {
      event.preventDefault();
      onUndoZoom();
    });
  }

  function inArea(event) {
    const area = chart.chartArea;
    return event.offsetX >= area.left && event.offsetX <= area.right;
  }

  function startDrag(event) {
    if (event.button !== 0 || !chart || !inArea(event)) return;
    drag = { from: event.offsetX, to: event.offsetX };
  }

  function moveDrag(event) {
    if (!drag) return;
    drag.to = Math.max(chart.chartArea.left, Math.min(chart.chartArea.right, event.offsetX));
    chart.draw();
  }

  function endDrag() {
    if (!drag) return;
    const x = chart.scales.x;
    const from = Math.round(x.getValueForPixel(Math.min(drag.from, drag.to)));
    const to = Math.round(x.getValueForPixel(Math.max(drag.from, drag.to)));
    drag = null;
    chart.draw();
    if (to > from) onZoom(from, to);
  }

  // names(item): the check-list text of a line's player, for the tooltips.
  function show(canvas, model, names) {
    if (!chart) create(canvas);
    shown = model;
    chart.data.datasets = model.series.map((line) => ({
      label: names(line.item),
      data: line.points.map(([turn, value]) => ({ x: turn, y: value })),
      borderColor: line.colour,
      backgroundColor: line.colour,
      orv5Item: line.item,
    }));
    chart.options.scales.x.min = model.bottom[0];
    chart.options.scales.x.max = model.bottom[1];
    chart.options.scales.y.min = model.left[0];
    chart.options.scales.y.max = model.left[1];
    chart.update();
  }

  function setHandlers(zoom, undoZoom) {
    onZoom = zoom;
    onUndoZoom = undoZoom;
  }

  // The chart as a PNG picture (a data: URL), or null before anything was drawn.
  function pngUrl() {
    return chart ? chart.toBase64Image("image/png", 1) : null;
  }

  return { show, setHandlers, pngUrl, model: () => shown, chart: () => chart };
})();
